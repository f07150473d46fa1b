#include "link/tbuff.h"

#include <QEventLoop>
#include <QTimer>
#include <array>

#include "link/framing.h"
#include "link/idle_monitor.h"
#include "link/serial_port.h"
#include "link/wait_stack.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kQuietMs = 50;  // drain ends when the line has been quiet this long
// ... or after this long at most: a line that keeps babbling is the idle monitor's business.
constexpr int kDrainLimitMs = 300;

const char* const kCommErrorText = "Communication error occurs!  Make offline once";
const char* const kCommErrorCaption = "Communication error";
const char* const kOpenFailedText = "Port cannot be open";
const char* const kOpenFailedCaption = "Circuit open";

}  // namespace

struct TBuff::Impl {
    class LinkChannel : public DirectChannel {
      public:
        LinkChannel(Impl& d, LinkSide side) : d_(d), side_(side) {}
        std::string request(const std::string& command) override {
            end_ = WaitEnd::Line;
            return d_.request(side_, command, &end_, [this](bool ok) { wrote(ok); });
        }
        std::string next() override { return d_.wait(side_, &end_); }
        void drain() override { d_.drainPort(); }
        WaitEnd lastWaitEnd() const override { return end_; }
        void injectMstop() override { d_.waits.injectMstop(); }
        void injectStop() override { d_.waits.injectStop(); }
        void clearInjections() override { d_.waits.clearInjections(); }
        void dropInput() override {
            if (!d_.port.isOpen()) return;
            d_.port.readAll();
            d_.waits.discardAll();
        }
        void close() override { d_.goOffline(side_); }
        bool online() const override { return d_.online(side_) && d_.port.isOpen() && !d_.halted; }

      private:
        Impl& d_;
        LinkSide side_;
        WaitEnd end_ = WaitEnd::Line;
    };

    explicit Impl(TBuff* owner)
        : q(owner),
          waits(monitor),
          mainChannel(*this, LinkSide::Main),
          directChannel(*this, LinkSide::Direct) {}

    TBuff* q;
    SerialPort port;
    std::array<QString, 9> devices;  // by port number 1..8; empty: the default
    std::function<PortChoice()> portSource;
    IdleMonitor monitor;
    WaitStack waits;
    LinkChannel mainChannel;
    LinkChannel directChannel;

    bool mainOnline = false;    // PortReady
    bool directOnline = false;  // DirectPortReady
    bool cancelRequested = false;
    bool halted = false;

    QTimer* drainTimer = nullptr;  // set while a drain runs
    QEventLoop* drainLoop = nullptr;

    bool commErrorQueued = false;
    bool failureQueued = false;
    QString pendingFailure;  // the line-failed text, shown once the waits have unwound

    Clock::time_point written{};
    int replyTimeoutMs = 0;

    PortChoice choice() const { return portSource ? portSource() : PortChoice{}; }
    QString chosenDevice() const {
        const PortChoice c = choice();
        return c.device.isEmpty() ? device(c.number) : c.device;
    }

    QString device(int n) const {
        if (n >= 1 && n <= 8 && !devices[n].isEmpty()) return devices[n];
        return QString("/dev/ttyS%1").arg(n - 1);
    }

    bool online(LinkSide side) const { return side == LinkSide::Main ? mainOnline : directOnline; }

    void onReadyRead() {
        const Clock::time_point now = Clock::now();
        const QByteArray bytes = port.readAll();
        if (drainTimer) {
            drainTimer->start();
            return;
        }
        waits.receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      now);
        reportDropped(waits.takeDropped());
        if (waits.empty()) idleMonitor(waits.takeUnclaimed());
        // Queued: a handler may close the port, which must not happen inside its own signal.
        QMetaObject::invokeMethod(q, &TBuff::received, Qt::QueuedConnection);
    }

    void reportDropped(const std::string& bytes) {
        if (!bytes.empty())
            emit q->discarded(QByteArray(bytes.data(), static_cast<int>(bytes.size())));
    }

    // While on line and idle, input is read and discarded; a run of equal bytes means a
    // broken line.
    void idleMonitor(const std::string& bytes) {
        if (!mainOnline) return;
        for (char c : bytes) {
            if (monitor.feed(c) && !commErrorQueued) {
                commErrorQueued = true;
                QMetaObject::invokeMethod(
                    q, [this] { communicationError(); }, Qt::QueuedConnection);
                break;
            }
        }
    }

    void communicationError() {
        commErrorQueued = false;
        if (!mainOnline || !port.isOpen() || !waits.empty()) return;
        const QString dev = port.device();
        port.close();
        waits.discard();
        emit q->message(kCommErrorText, kCommErrorCaption, QString());
        if (!mainOnline) return;  // went off line while the message was shown
        if (!port.isOpen() && !port.open(dev)) {
            setOffline();
            return;
        }
        drainPort();
        monitor.reset();
    }

    void onPortFailed(const QString& reason) {
        if (failureQueued || !port.isOpen()) return;
        failureQueued = true;
        pendingFailure =
            "The line to " + port.device() + " failed: " + reason + ".  The link went off line.";
        // Handled from the event loop: the port's own signal must return first.
        QMetaObject::invokeMethod(
            q, [this] { portFailed(); }, Qt::QueuedConnection);
    }

    void portFailed() {
        failureQueued = false;
        setOffline();
        showFailureWhenUnwound();
    }

    void showFailureWhenUnwound() {
        if (pendingFailure.isEmpty() || !waits.empty()) return;
        QMetaObject::invokeMethod(
            q,
            [this] {
                if (pendingFailure.isEmpty() || !waits.empty()) return;
                const QString text = std::move(pendingFailure);
                pendingFailure.clear();
                emit q->message(text, kCommErrorCaption, QString());
            },
            Qt::QueuedConnection);
    }

    // Both channels off line, port closed.
    void setOffline() {
        const bool wasMain = mainOnline;
        const bool wasDirect = directOnline;
        mainOnline = false;
        directOnline = false;
        clearFlags();
        closePort();
        if (wasMain) emit q->onlineChanged(false);
        if (wasDirect) emit q->directOnlineChanged(false);
    }

    void clearFlags() {
        waits.clearInjections();
        cancelRequested = false;
    }

    void closePort() {
        waits.endAll();
        port.close();
        waits.discard();
        if (drainLoop) drainLoop->quit();
        halted = false;
    }

    // A drain under way ends: a request made inside it (STOP pressed while a command drains)
    // must see its reply, which the drain would swallow.
    void endDrain() {
        if (drainTimer) drainTimer->stop();
        if (drainLoop) drainLoop->quit();
        drainTimer = nullptr;
        drainLoop = nullptr;
    }

    bool openPort() {
        if (port.isOpen()) return true;
        if (port.open(chosenDevice())) return true;
        emit q->message(kOpenFailedText, kOpenFailedCaption, port.openFailure());
        return false;
    }

    // Reads and discards until the line has been quiet for kQuietMs, or kDrainLimitMs passed.
    void drainPort() {
        if (!port.isOpen() || halted) return;
        waits.discardAll();
        port.readAll();
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(kQuietMs);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(kDrainLimitMs);
        QTimer* outerTimer = drainTimer;
        QEventLoop* outerLoop = drainLoop;
        drainTimer = &timer;
        drainLoop = &loop;
        timer.start();
        loop.exec();
        waits.discardAll();  // a line begun before the drain lost its bytes in it
        drainTimer = outerTimer;
        drainLoop = outerLoop;
        if (outerTimer && port.isOpen()) outerTimer->start();
        if (outerLoop && !port.isOpen()) outerLoop->quit();
    }

    bool goOnline(LinkSide side) {
        if (online(side)) return true;
        const bool wasOpen = port.isOpen();
        if (!openPort()) return false;
        if (!wasOpen || waits.empty()) drainPort();
        if (!port.isOpen()) return false;
        if (side == LinkSide::Main) {
            mainOnline = true;
            monitor.reset();
            emit q->onlineChanged(true);
        } else {
            directOnline = true;
            emit q->directOnlineChanged(true);
        }
        return true;
    }

    void goOffline(LinkSide side) {
        if (side == LinkSide::Main) {
            const bool was = mainOnline;
            mainOnline = false;
            clearFlags();
            waits.end(LinkSide::Main);
            if (!directOnline) closePort();
            if (was) emit q->onlineChanged(false);
        } else {
            const bool was = directOnline;
            // A jog that moves until "@STOP" is stopped while the line still carries it.
            if (was && port.isOpen() && !halted) emit q->directClosing();
            directOnline = false;
            cancelRequested = false;
            waits.end(LinkSide::Direct);
            if (!mainOnline) closePort();
            if (was) emit q->directOnlineChanged(false);
        }
    }

    std::string request(LinkSide side, const std::string& command, WaitEnd* end,
                        const std::function<void(bool)>& wrote = {}) {
        const Framing f = FrameRequest(command, side == LinkSide::Direct);
        if (f.bytes.empty() && !f.awaitReply) return "";
        if (!online(side) || !port.isOpen() || halted) {
            *end = WaitEnd::Ended;
            return "";
        }
        if (!f.bytes.empty()) {
            endDrain();
            // Noise, or the end of a burst, received before the request is no part of its reply.
            if (waits.empty()) {
                // Take in first what the port holds but has not signalled yet.
                const QByteArray pending = port.readAll();
                waits.receive(
                    std::string_view(pending.constData(), static_cast<std::size_t>(pending.size())),
                    Clock::now());
                reportDropped(waits.takeDropped());
                reportDropped(waits.dropUnfinishedLine());
            }
            // A failed write is not reported and the wait runs as usual, but nothing shows the
            // command as sent.
            const bool ok = port.write(f.bytes);
            if (ok) {
                written = Clock::now();
                std::string line = f.bytes;
                while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                    line.pop_back();
                emit q->traffic(side == LinkSide::Direct, true,
                                QByteArray(line.data(), static_cast<int>(line.size())));
            }
            if (wrote) wrote(ok);
        }
        return f.awaitReply ? wait(side, end) : std::string();
    }

    // Waits for one reply line in a nested event loop; "" when the wait was ended. `end` says
    // what ended it.
    std::string wait(LinkSide side, WaitEnd* end) {
        if (!online(side) || !port.isOpen() || halted) {
            *end = WaitEnd::Ended;
            return "";
        }
        WaitResult r = waits.wait(side, replyTimeoutMs);
        *end = r.end;
        const bool timedOut = r.timedOut;
        std::string reply = std::move(r.line);
        if (timedOut && pendingFailure.isEmpty())
            pendingFailure = "The controller did not answer within " +
                             QString::number(replyTimeoutMs / 1000.0) + " s on " + port.device() +
                             ".  Check the cable and the port, that the controller is powered"
                             " and that its line is set to 19200 baud.";
        else if (!timedOut)
            emit q->traffic(side == LinkSide::Direct, false,
                            QByteArray(reply.data(), static_cast<int>(reply.size())));
        showFailureWhenUnwound();
        return reply;
    }
};

TBuff::TBuff(QObject* parent) : QObject(parent), d_(std::make_unique<Impl>(this)) {
    connect(&d_->port, &SerialPort::readyRead, this, [this] { d_->onReadyRead(); });
    connect(&d_->port, &SerialPort::failed, this,
            [this](const QString& reason) { d_->onPortFailed(reason); });
}

TBuff::~TBuff() {
    d_->waits.endAll();
    d_->port.close();
}

void TBuff::setDeviceForPort(int portNumber, const QString& device) {
    if (portNumber >= 1 && portNumber <= 8) d_->devices[portNumber] = device;
}

QString TBuff::deviceForPort(int portNumber) const { return d_->device(portNumber); }

void TBuff::setPortSource(std::function<PortChoice()> source) {
    d_->portSource = std::move(source);
}

void TBuff::setPortNumberSource(std::function<int()> source) {
    d_->portSource = [source = std::move(source)] { return PortChoice{source(), {}}; };
}

int TBuff::portNumber() const { return d_->choice().number; }

QString TBuff::chosenDevice() const { return d_->chosenDevice(); }

bool TBuff::goOnline() { return d_->goOnline(LinkSide::Main); }
void TBuff::goOffline() { d_->goOffline(LinkSide::Main); }
bool TBuff::isOnline() const { return d_->mainOnline; }

bool TBuff::goDirectOnline() { return d_->goOnline(LinkSide::Direct); }
void TBuff::goDirectOffline() { d_->goOffline(LinkSide::Direct); }
bool TBuff::isDirectOnline() const { return d_->directOnline; }

Channel& TBuff::mainChannel() { return d_->mainChannel; }
DirectChannel& TBuff::directChannel() { return d_->directChannel; }

void TBuff::requestOffline() { d_->goOffline(LinkSide::Main); }

void TBuff::injectMstop() { d_->waits.injectMstop(); }
void TBuff::injectStop() { d_->waits.injectStop(); }
void TBuff::abortWaits() { d_->waits.endAll(); }
void TBuff::halt() {
    d_->halted = true;
    d_->endDrain();
    d_->waits.endAll();
}
bool TBuff::halted() const { return d_->halted; }

void TBuff::setReplyTimeout(int ms) { d_->replyTimeoutMs = ms > 0 ? ms : 0; }
int TBuff::replyTimeout() const { return d_->replyTimeoutMs; }

void TBuff::deliverPendingMessages() {
    if (!d_->waits.empty()) return;
    if (d_->failureQueued) d_->portFailed();
    if (d_->pendingFailure.isEmpty()) return;
    const QString text = std::move(d_->pendingFailure);
    d_->pendingFailure.clear();
    emit message(text, kCommErrorCaption, QString());
}
void TBuff::clearInjections() { d_->waits.clearInjections(); }

std::string TBuff::pendingLine() const { return d_->waits.pendingLine(); }

std::chrono::steady_clock::time_point TBuff::lastLineEnd() const { return d_->waits.lastLineEnd(); }
std::chrono::steady_clock::time_point TBuff::lastWrite() const { return d_->written; }

bool TBuff::cancelRequested() const { return d_->cancelRequested; }
void TBuff::setCancelRequested(bool on) { d_->cancelRequested = on; }

}  // namespace mivo
