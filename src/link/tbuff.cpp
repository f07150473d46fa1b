#include "link/tbuff.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <deque>
#include <vector>

#include "link/framing.h"
#include "link/line_assembler.h"
#include "link/serial_port.h"
#include "procedures/prompter.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;

enum class Side { Main, Direct };

constexpr int kQuietMs = 50;  // drain ends when the line has been quiet this long
constexpr int kEqualRun = 5;  // that many equal bytes while idle: the line is broken

const char* const kCommErrorText = "Communication error occurs!  Make offline once";
const char* const kCommErrorCaption = "Communication error";

std::string Bytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

// One caller waiting for a reply line; they stack when a handler inside a wait sends again.
struct Waiter {
    Side side;
    bool done = false;
    std::string line;
    QEventLoop loop;
    explicit Waiter(Side s) : side(s) {}
};

}  // namespace

struct TBuff::Impl {
    class LinkChannel : public Channel {
      public:
        LinkChannel(Impl& d, Side side) : d_(d), side_(side) {}
        std::string request(const std::string& command) override {
            return d_.request(side_, command);
        }
        std::string next() override { return d_.wait(side_); }
        void drain() override { d_.drainPort(); }

      private:
        Impl& d_;
        Side side_;
    };

    explicit Impl(TBuff* owner)
        : q(owner), mainChannel(*this, Side::Main), directChannel(*this, Side::Direct) {}

    TBuff* q;
    SerialPort port;
    std::array<QString, 9> devices;  // by port number 1..8; empty: the default
    std::function<int()> portSource;
    Prompter* prompter = nullptr;
    LinkChannel mainChannel;
    LinkChannel directChannel;

    bool mainOnline = false;    // PortReady
    bool directOnline = false;  // DirectPortReady
    bool injectMstop = false;
    bool injectStop = false;
    bool cancelRequested = false;

    std::string inbox;  // received, not yet taken by a wait
    // Arrival time of the inbox's bytes: (byte count, when readyRead delivered them).
    std::deque<std::pair<std::size_t, Clock::time_point>> arrivals;
    LineAssembler line;
    std::vector<Waiter*> waiters;  // innermost last

    QTimer* drainTimer = nullptr;  // set while a drain runs
    QEventLoop* drainLoop = nullptr;

    // Idle monitor: stored non-zero bytes and the run of equal ones at the end.
    int stored = 0;
    int run = 0;
    char last = 0;
    bool commErrorQueued = false;
    bool failureQueued = false;
    std::string pendingFailure;  // "Communication error" text to show once the waits unwound

    Clock::time_point lineEnd{};
    Clock::time_point written{};

    int portNumber() const { return portSource ? portSource() : 1; }

    QString device(int n) const {
        if (n >= 1 && n <= 8 && !devices[n].isEmpty()) return devices[n];
        return QString("/dev/ttyS%1").arg(n - 1);
    }

    bool online(Side side) const { return side == Side::Main ? mainOnline : directOnline; }

    void resetMonitor() {
        stored = 0;
        run = 0;
        last = 0;
    }

    void store(char c) {
        if (c == '\0') return;
        run = (stored > 0 && c == last) ? run + 1 : 1;
        last = c;
        ++stored;
    }

    void finish(Waiter* w, std::string text) {
        if (w->done) return;
        w->done = true;
        w->line = std::move(text);
        w->loop.quit();
    }

    void endWaits(bool all, Side side) {
        for (Waiter* w : waiters)
            if (all || w->side == side) finish(w, "");
        if (all) line.clear();
    }

    Waiter* top() const {
        return waiters.empty() || waiters.back()->done ? nullptr : waiters.back();
    }

    // Hands received bytes to the innermost wait, one line at a time: after a line the rest
    // stays in the inbox for the caller's next request or for the wait beneath.
    void deliver() {
        std::size_t pos = 0;
        while (pos < inbox.size()) {
            Waiter* w = top();
            if (!w) break;
            const char c = inbox[pos++];
            store(c);
            if (line.feed(c)) {
                lineEnd = arrivalOf(pos - 1);
                finish(w, line.take());
                break;
            }
        }
        consume(pos);
    }

    Clock::time_point arrivalOf(std::size_t index) const {
        for (const auto& [count, when] : arrivals) {
            if (index < count) return when;
            index -= count;
        }
        return Clock::now();
    }

    void consume(std::size_t n) {
        inbox.erase(0, n);
        while (n > 0 && !arrivals.empty()) {
            const std::size_t k = std::min(n, arrivals.front().first);
            arrivals.front().first -= k;
            n -= k;
            if (arrivals.front().first == 0) arrivals.pop_front();
        }
    }

    void clearInbox() {
        inbox.clear();
        arrivals.clear();
    }

    // Applies an injection to the innermost wait; kept for the next wait when none runs.
    void applyInjections() {
        Waiter* w = top();
        if (!w) return;
        if (injectMstop) {  // CR now, LF at the next fetch: the bytes so far make the line
            injectMstop = false;
            line.feed('\r');
            injectStop = true;
        }
        if (injectStop) {
            injectStop = false;
            line.feed('\n');
            finish(w, line.take());
        }
    }

    void onReadyRead() {
        const Clock::time_point now = Clock::now();
        const QByteArray bytes = port.readAll();
        if (drainTimer) {
            drainTimer->start();
            return;
        }
        inbox.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        arrivals.emplace_back(static_cast<std::size_t>(bytes.size()), now);
        if (!waiters.empty()) {
            deliver();
        } else {
            idleMonitor();
        }
        // Queued: a handler may close the port, which must not happen inside its own signal.
        QMetaObject::invokeMethod(q, &TBuff::received, Qt::QueuedConnection);
    }

    // While on line and idle, input is read and discarded; a run of equal bytes means a
    // broken line.
    void idleMonitor() {
        if (mainOnline) {
            for (char c : inbox) {
                if (c == '\0') continue;
                store(c);
                if (stored > kEqualRun && run >= kEqualRun && !commErrorQueued) {
                    commErrorQueued = true;
                    QMetaObject::invokeMethod(
                        q, [this] { communicationError(); }, Qt::QueuedConnection);
                    break;
                }
            }
        }
        clearInbox();
    }

    void communicationError() {
        commErrorQueued = false;
        if (!mainOnline || !port.isOpen() || !waiters.empty()) return;
        const QString dev = port.device();
        port.close();
        clearInbox();
        line.clear();
        if (prompter) prompter->notify(kCommErrorText, kCommErrorCaption);
        if (!mainOnline) return;  // went off line while the message was shown
        if (!port.isOpen() && !port.open(dev)) {
            setOffline();
            return;
        }
        drainPort();
        resetMonitor();
    }

    void onPortFailed(const QString& reason) {
        if (failureQueued || !port.isOpen()) return;
        failureQueued = true;
        pendingFailure = Bytes("The line to " + port.device() + " failed: " + reason +
                               ".  The link went off line.");
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
        if (pendingFailure.empty() || !waiters.empty()) return;
        QMetaObject::invokeMethod(
            q,
            [this] {
                if (pendingFailure.empty() || !waiters.empty()) return;
                const std::string text = std::move(pendingFailure);
                pendingFailure.clear();
                if (prompter) prompter->notify(text, kCommErrorCaption);
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
        injectMstop = false;
        injectStop = false;
        cancelRequested = false;
    }

    void closePort() {
        endWaits(true, Side::Main);
        port.close();
        clearInbox();
        line.clear();
        if (drainLoop) drainLoop->quit();
    }

    bool openPort() {
        if (port.isOpen()) return true;
        const QString dev = device(portNumber());
        if (port.open(dev)) return true;
        if (prompter)
            prompter->notifyDetail("Port cannot be open", "Circuit open",
                                   Bytes(port.openFailure()));
        return false;
    }

    // Reads and discards until the line has been quiet for kQuietMs.
    void drainPort() {
        if (!port.isOpen()) return;
        clearInbox();
        if (waiters.empty()) line.clear();
        port.readAll();
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(kQuietMs);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer* outerTimer = drainTimer;
        QEventLoop* outerLoop = drainLoop;
        drainTimer = &timer;
        drainLoop = &loop;
        timer.start();
        loop.exec();
        drainTimer = outerTimer;
        drainLoop = outerLoop;
        if (outerTimer && port.isOpen()) outerTimer->start();
        if (outerLoop && !port.isOpen()) outerLoop->quit();
    }

    bool goOnline(Side side) {
        if (online(side)) return true;
        const bool wasOpen = port.isOpen();
        if (!openPort()) return false;
        if (!wasOpen || waiters.empty()) drainPort();
        if (!port.isOpen()) return false;
        if (side == Side::Main) {
            mainOnline = true;
            resetMonitor();
            emit q->onlineChanged(true);
        } else {
            directOnline = true;
            emit q->directOnlineChanged(true);
        }
        return true;
    }

    void goOffline(Side side) {
        if (side == Side::Main) {
            const bool was = mainOnline;
            mainOnline = false;
            clearFlags();
            endWaits(false, Side::Main);
            if (!directOnline) closePort();
            if (was) emit q->onlineChanged(false);
        } else {
            const bool was = directOnline;
            directOnline = false;
            cancelRequested = false;
            endWaits(false, Side::Direct);
            if (!mainOnline) closePort();
            if (was) emit q->directOnlineChanged(false);
        }
    }

    std::string request(Side side, const std::string& command) {
        const Framing f = FrameRequest(command, side == Side::Direct);
        if (f.bytes.empty() && !f.awaitReply) return "";
        if (!online(side) || !port.isOpen()) return "";
        if (!f.bytes.empty()) {
            port.write(f.bytes);  // a failed write is not reported; the wait runs as usual
            written = Clock::now();
        }
        return f.awaitReply ? wait(side) : std::string();
    }

    // Waits for one reply line in a nested event loop; "" when the wait was ended.
    std::string wait(Side side) {
        if (!online(side) || !port.isOpen()) return "";
        Waiter w(side);
        if (waiters.empty()) {
            line.clear();
            resetMonitor();
        }
        waiters.push_back(&w);
        applyInjections();
        if (!w.done) deliver();
        if (!w.done) w.loop.exec();
        waiters.erase(std::find(waiters.begin(), waiters.end(), &w));
        if (top() && !inbox.empty())
            QMetaObject::invokeMethod(
                q, [this] { deliver(); }, Qt::QueuedConnection);
        showFailureWhenUnwound();
        return w.line;
    }
};

TBuff::TBuff(QObject* parent) : QObject(parent), d_(std::make_unique<Impl>(this)) {
    connect(&d_->port, &SerialPort::readyRead, this, [this] { d_->onReadyRead(); });
    connect(&d_->port, &SerialPort::failed, this,
            [this](const QString& reason) { d_->onPortFailed(reason); });
}

TBuff::~TBuff() {
    d_->endWaits(true, Side::Main);
    d_->port.close();
}

void TBuff::setDeviceForPort(int portNumber, const QString& device) {
    if (portNumber >= 1 && portNumber <= 8) d_->devices[portNumber] = device;
}

QString TBuff::deviceForPort(int portNumber) const { return d_->device(portNumber); }

void TBuff::setPortNumberSource(std::function<int()> source) { d_->portSource = std::move(source); }

int TBuff::portNumber() const { return d_->portNumber(); }

void TBuff::setPrompter(Prompter* prompter) { d_->prompter = prompter; }

bool TBuff::goOnline() { return d_->goOnline(Side::Main); }
void TBuff::goOffline() { d_->goOffline(Side::Main); }
bool TBuff::isOnline() const { return d_->mainOnline; }

bool TBuff::goDirectOnline() { return d_->goOnline(Side::Direct); }
void TBuff::goDirectOffline() { d_->goOffline(Side::Direct); }
bool TBuff::isDirectOnline() const { return d_->directOnline; }

Channel& TBuff::mainChannel() { return d_->mainChannel; }
Channel& TBuff::directChannel() { return d_->directChannel; }

void TBuff::requestOffline() { d_->goOffline(Side::Main); }

void TBuff::injectMstop() {
    d_->injectMstop = true;
    d_->applyInjections();
}

void TBuff::injectStop() {
    d_->injectStop = true;
    d_->applyInjections();
}

void TBuff::abortWaits() { d_->endWaits(true, Side::Main); }

void TBuff::clearInjections() {
    d_->injectMstop = false;
    d_->injectStop = false;
}

std::string TBuff::pendingLine() const { return d_->line.partial(); }

std::chrono::steady_clock::time_point TBuff::lastLineEnd() const { return d_->lineEnd; }
std::chrono::steady_clock::time_point TBuff::lastWrite() const { return d_->written; }

bool TBuff::cancelRequested() const { return d_->cancelRequested; }
void TBuff::setCancelRequested(bool on) { d_->cancelRequested = on; }

}  // namespace mivo
