#include "link/controller_exchange.h"

#include <QTimer>
#include <algorithm>

#include "link/framing.h"
#include "link/serial_line.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDirectReplyLimitMs = 10000;

}  // namespace

// The main channel over the line.
class ControllerExchange::SideChannel : public Channel {
  public:
    explicit SideChannel(ControllerExchange& x) : x_(x) {}
    std::string request(const std::string& command) override {
        return x_.request(LinkSide::Main, command, &end_, {});
    }
    std::string next() override { return x_.wait(LinkSide::Main, &end_); }
    void drain() override { x_.line_.drain(); }

  private:
    ControllerExchange& x_;
    WaitEnd end_ = WaitEnd::Line;
};

// The wall clock, and calls made later from the event loop.
class ControllerExchange::EventClock : public QObject, public LineClock {
  public:
    ExchangeEngine::Time now() const override { return ExchangeEngine::Clock::now(); }
    void post(std::function<void()> call) override {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    }
    QTimer deadline;  // the engine's next deadline
};

// The direct channel: on line with the serial line's direct side.
class ControllerExchange::DirectSide : public EngineChannel {
  public:
    DirectSide(ControllerExchange& x) : EngineChannel(x.engine_, *x.clock_), x_(x) {}
    bool online() const override { return x_.line_.ready(LinkSide::Direct); }
    void close() override { x_.line_.goOffline(LinkSide::Direct); }

  private:
    ControllerExchange& x_;
};

ControllerExchange::ControllerExchange(SerialLine& line)
    : line_(line),
      main_(std::make_unique<SideChannel>(*this)),
      clock_(std::make_unique<EventClock>()),
      engine_(
          [this](std::string_view bytes) {
              if (!line_.ready(LinkSide::Direct)) return false;
              const bool ok = line_.port().write(std::string(bytes));
              if (ok) {
                  written_ = Clock::now();
                  std::string sent(bytes);
                  while (!sent.empty() && (sent.back() == '\n' || sent.back() == '\r'))
                      sent.pop_back();
                  line_.reportTraffic(LinkSide::Direct, true, sent);
              }
              return ok;
          },
          std::chrono::milliseconds(kDirectReplyLimitMs), std::chrono::milliseconds(50)),
      direct_(std::make_unique<DirectSide>(*this)) {
    engine_.heard = [this](const std::string& l) {
        line_.reportTraffic(LinkSide::Direct, false, l);
    };
    engine_.dropped = [this](std::string_view bytes) { line_.reportDropped(std::string(bytes)); };
    engine_.settled = [this] { armDeadline(); };
    clock_->deadline.setSingleShot(true);
    QObject::connect(&clock_->deadline, &QTimer::timeout, clock_.get(),
                     [this] { engine_.expire(ExchangeEngine::Clock::now()); });
    direct_->unanswered = [this](const std::string&) {
        line_.noteFailure("The controller did not answer within " +
                          QString::number(engine_.replyLimit().count() / 1000.0) + " s on " +
                          line_.port().device() +
                          ".  Check the cable and the port, that the controller is powered"
                          " and that its line is set to 19200 baud.");
        line_.showFailureWhenUnwound();
    };
    SerialLine::DirectSink sink;
    sink.bytes = [this](std::string_view bytes, ExchangeEngine::Time when) {
        engine_.receive(bytes, when);
    };
    sink.lost = [this] { engine_.lost(); };
    sink.online = [this] { engine_.online(); };
    line_.setDirectSink(std::move(sink));
}

ControllerExchange::~ControllerExchange() { line_.setDirectSink({}); }

Channel& ControllerExchange::mainChannel() { return *main_; }
EngineChannel& ControllerExchange::directChannel() { return *direct_; }

void ControllerExchange::setDirectReplyLimit(int ms) {
    engine_.setReplyLimit(std::chrono::milliseconds(ms));
}

void ControllerExchange::armDeadline() {
    const auto next = engine_.nextDeadline();
    if (!next) {
        clock_->deadline.stop();
        return;
    }
    const auto ms =
        std::chrono::ceil<std::chrono::milliseconds>(*next - ExchangeEngine::Clock::now()).count();
    clock_->deadline.start(static_cast<int>(std::max<long long>(ms, 0)));
}

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
    else if (r.end == WaitEnd::Line)
        line_.reportTraffic(side, false, r.line);
    line_.showFailureWhenUnwound();
    return std::move(r.line);
}

}  // namespace mivo
