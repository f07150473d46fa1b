#include "link/controller_link.h"

namespace mivo {

ControllerLink::ControllerLink(QObject* parent) : SerialLine(parent), exchange_(*this) {}

ControllerLink::~ControllerLink() = default;

void ControllerLink::setPortNumberSource(std::function<int()> source) {
    ports().setSource([source = std::move(source)] { return PortChoice{source(), {}}; });
}

}  // namespace mivo
