#include "link/tbuff.h"

namespace mivo {

TBuff::TBuff(QObject* parent) : SerialLine(parent), exchange_(*this) {}

TBuff::~TBuff() = default;

void TBuff::setPortNumberSource(std::function<int()> source) {
    ports().setSource([source = std::move(source)] { return PortChoice{source(), {}}; });
}

}  // namespace mivo
