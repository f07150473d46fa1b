#include "link/tbuff.h"

namespace mivo {

TBuff::TBuff(QObject* parent) : QObject(parent), line_(ports_), exchange_(line_) {
    connect(&line_, &SerialLine::onlineChanged, this, &TBuff::onlineChanged);
    connect(&line_, &SerialLine::directOnlineChanged, this, &TBuff::directOnlineChanged);
    connect(&line_, &SerialLine::directClosing, this, &TBuff::directClosing);
    connect(&line_, &SerialLine::channelClosed, this, &TBuff::channelClosed);
    connect(&line_, &SerialLine::received, this, &TBuff::received);
    connect(&line_, &SerialLine::message, this, &TBuff::message);
    connect(&line_, &SerialLine::discarded, this, &TBuff::discarded);
    connect(&exchange_, &ControllerExchange::traffic, this, &TBuff::traffic);
}

TBuff::~TBuff() = default;

void TBuff::setPortNumberSource(std::function<int()> source) {
    ports_.setSource([source = std::move(source)] { return PortChoice{source(), {}}; });
}

std::string TBuff::pendingLine() const { return line_.waits().pendingLine(); }

std::chrono::steady_clock::time_point TBuff::lastLineEnd() const {
    return line_.waits().lastLineEnd();
}

}  // namespace mivo
