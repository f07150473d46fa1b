#include "link/controller_exchange.h"

#include <QTimer>
#include <algorithm>

#include "common/said_text.h"
#include "link/serial_line.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDirectReplyLimitMs = 10000;

// The text of a framed command as the communication log shows it.
std::string Shown(std::string_view bytes) {
    std::string sent(bytes);
    while (!sent.empty() && (sent.back() == '\n' || sent.back() == '\r')) sent.pop_back();
    return sent;
}

}  // namespace

// The wall clock, and calls made later from the event loop.
class ControllerExchange::EventClock : public QObject, public LineClock {
  public:
    ExchangeEngine::Time now() const override { return ExchangeEngine::Clock::now(); }
    void post(std::function<void()> call) override {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    }
    QTimer deadline;  // the engine's next deadline
};

// A channel on line with its side of the serial line.
class ControllerExchange::Side : public EngineChannel {
  public:
    Side(ControllerExchange& x, LinkSide side)
        : EngineChannel(x.engine_, *x.clock_, side == LinkSide::Main), x_(x), side_(side) {}
    bool online() const override { return x_.line_.ready(side_); }
    // Before a main-channel request: what came unsignalled is no part of its reply.
    void takeIn() override {
        if (side_ == LinkSide::Main) x_.line_.takeIn();
    }
    void close() override { x_.line_.goOffline(side_); }
    std::optional<std::chrono::milliseconds> replyLimit() const override {
        if (side_ == LinkSide::Direct) return std::nullopt;
        return std::chrono::milliseconds(x_.replyTimeoutMs_);
    }

  private:
    ControllerExchange& x_;
    LinkSide side_;
};

ControllerExchange::ControllerExchange(SerialLine& line)
    : line_(line),
      clock_(std::make_unique<EventClock>()),
      engine_(
          [this](std::string_view bytes, const void* owner, bool scan) {
              const LinkSide side = owner == main_.get() ? LinkSide::Main : LinkSide::Direct;
              if (!line_.ready(side)) return false;
              // A write that fails is not shown as sent. The direct side's request ends Lost at
              // once; a main-channel wait is ended by the port's failure, told from the event
              // loop, as the main channel's procedures expect.
              if (!line_.port().write(std::string(bytes))) return side == LinkSide::Main;
              written_ = Clock::now();
              line_.reportTraffic(side, true, Shown(bytes), scan);
              return true;
          },
          std::chrono::milliseconds(kDirectReplyLimitMs), std::chrono::milliseconds(50)),
      main_(std::make_unique<Side>(*this, LinkSide::Main)),
      direct_(std::make_unique<Side>(*this, LinkSide::Direct)) {
    engine_.heard = [this](const std::string& l) {
        // A line is the main channel's while it waits, else the direct side's.
        line_.reportTraffic(main_->waiting() ? LinkSide::Main : LinkSide::Direct, false, l);
    };
    engine_.dropped = [this](std::string_view bytes) { line_.reportDropped(std::string(bytes)); };
    engine_.settled = [this] {
        armDeadline();
        // A failure noted during a main-channel wait is told once no such wait runs.
        if (!main_->waiting()) line_.showFailureWhenUnwound();
    };
    clock_->deadline.setSingleShot(true);
    QObject::connect(&clock_->deadline, &QTimer::timeout, clock_.get(),
                     [this] { engine_.expire(ExchangeEngine::Clock::now()); });
    for (Side* side : {main_.get(), direct_.get()})
        side->unanswered = [this, side](const std::string&) {
            const auto limit = side->replyLimit().value_or(engine_.replyLimit());
            const std::string seconds =
                QString::number(static_cast<double>(limit.count()) / 1000.0).toStdString();
            line_.noteFailure(QString::fromLocal8Bit(
                Filled(UI_TEXT("Message",
                               "The controller did not answer within %1 s on %2.  Check the "
                               "cable and the port, that the controller is powered and that its "
                               "line is set to 19200 baud."),
                       {seconds, line_.port().device().toLocal8Bit().toStdString()})
                    .c_str()));
            line_.showFailureWhenUnwound();
        };
    SerialLine::EngineSink sink;
    sink.bytes = [this](std::string_view bytes, ExchangeEngine::Time when) {
        engine_.receive(bytes, when);
    };
    sink.lost = [this] { engine_.lost(); };
    sink.online = [this] { engine_.online(); };
    sink.busy = [this] { return engine_.busy(); };
    sink.drain = [this] { engine_.drain(ExchangeEngine::Clock::now()); };
    sink.stray = [this] { engine_.stray(); };
    sink.abandon = [this](std::optional<LinkSide> side) {
        if (!side)
            engine_.abandon(nullptr, ExchangeEngine::Clock::now());
        else
            (*side == LinkSide::Main ? main_ : direct_)->abandon();
    };
    sink.mainWaiting = [this] { return main_->waiting(); };
    line_.setEngineSink(std::move(sink));
}

ControllerExchange::~ControllerExchange() { line_.setEngineSink({}); }

EngineChannel& ControllerExchange::mainChannel() { return *main_; }
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

}  // namespace mivo
