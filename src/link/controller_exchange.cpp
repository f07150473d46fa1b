#include "link/controller_exchange.h"

#include "link/framing.h"
#include "link/serial_line.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

// One of the two channels over the line.
class ControllerExchange::SideChannel : public DirectChannel {
  public:
    SideChannel(ControllerExchange& x, LinkSide side) : x_(x), side_(side) {}
    std::string request(const std::string& command) override {
        end_ = WaitEnd::Line;
        return x_.request(side_, command, &end_, [this](bool ok) { wrote(ok); });
    }
    std::string requestWithin(const std::string& command) override {
        end_ = WaitEnd::Line;
        return x_.request(
            side_, command, &end_, [this](bool ok) { wrote(ok); }, true);
    }
    std::string next() override { return x_.wait(side_, &end_); }
    std::string nextIfAny() override { return x_.wait(side_, &end_, true); }
    void drain() override { x_.line_.drain(); }
    WaitEnd lastWaitEnd() const override { return end_; }
    std::optional<std::string> answeredLine() const override {
        return x_.line_.waits().answeredLine();
    }
    void injectMstop() override { x_.line_.waits().injectMstop(); }
    void injectStop() override { x_.line_.waits().injectStop(); }
    void clearInjections() override { x_.line_.waits().clearInjections(); }
    void dropInput() override {
        SerialLine& line = x_.line_;
        if (!line.port().isOpen()) return;
        line.port().readAll();
        line.waits().discardAll();
    }
    void close() override { x_.line_.goOffline(side_); }
    bool online() const override { return x_.line_.ready(side_); }

  private:
    ControllerExchange& x_;
    LinkSide side_;
    WaitEnd end_ = WaitEnd::Line;
};

ControllerExchange::ControllerExchange(SerialLine& line)
    : line_(line),
      main_(std::make_unique<SideChannel>(*this, LinkSide::Main)),
      direct_(std::make_unique<SideChannel>(*this, LinkSide::Direct)) {}

ControllerExchange::~ControllerExchange() = default;

Channel& ControllerExchange::mainChannel() { return *main_; }
DirectChannel& ControllerExchange::directChannel() { return *direct_; }

std::string ControllerExchange::request(LinkSide side, const std::string& command, WaitEnd* end,
                                        const std::function<void(bool)>& wrote, bool quiet) {
    const Framing f = FrameRequest(command, side == LinkSide::Direct);
    if (f.bytes.empty() && !f.awaitReply) return "";
    if (!line_.ready(side)) {
        *end = WaitEnd::Ended;
        return "";
    }
    if (!f.bytes.empty()) {
        line_.endDrain();
        SerialPort& port = line_.port();
        WaitStack& waits = line_.waits();
        // Noise, or the end of a burst, received before the request is no part of its reply.
        if (waits.empty()) {
            // Take in first what the port holds but has not signalled yet.
            const QByteArray pending = port.readAll();
            waits.receive(
                std::string_view(pending.constData(), static_cast<std::size_t>(pending.size())),
                Clock::now());
            line_.reportDropped(waits.takeDropped());
            // On the direct channel a program running under the monitor sends lines of its own
            // ("END", "ERR" ...) between the monitor's queries: a line begun before the request
            // is one of them, and its end is still to come.
            if (side == LinkSide::Main) line_.reportDropped(waits.dropUnfinishedLine());
        }
        // A failed write is not reported and the wait runs as usual, but nothing shows the
        // command as sent.
        const bool ok = port.write(f.bytes);
        if (ok) {
            written_ = Clock::now();
            std::string sent = f.bytes;
            while (!sent.empty() && (sent.back() == '\n' || sent.back() == '\r')) sent.pop_back();
            line_.reportTraffic(side, true, sent);
        }
        if (wrote) wrote(ok);
    }
    return f.awaitReply ? wait(side, end, quiet) : std::string();
}

// Waits for one reply line in a nested event loop; "" when the wait was ended. `end` says what
// ended it.
std::string ControllerExchange::wait(LinkSide side, WaitEnd* end, bool quiet) {
    if (!line_.ready(side)) {
        *end = WaitEnd::Ended;
        return "";
    }
    // The limit this wait was given: a command run inside it may have changed the setting.
    const int limitMs = replyTimeoutMs_;
    WaitResult r = line_.waits().wait(side, limitMs);
    *end = r.end;
    if (r.timedOut && quiet) return {};
    if (r.timedOut)
        line_.noteFailure("The controller did not answer within " +
                          QString::number(limitMs / 1000.0) + " s on " + line_.port().device() +
                          ".  Check the cable and the port, that the controller is powered"
                          " and that its line is set to 19200 baud.");
    else if (r.end == WaitEnd::Line || !r.line.empty())  // an injection with no bytes: no line
        line_.reportTraffic(side, false, r.line);
    line_.showFailureWhenUnwound();
    return std::move(r.line);
}

}  // namespace mivo
