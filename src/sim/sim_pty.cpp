#include "sim/sim_pty.h"

#include <fcntl.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sim/sim_core.h"

namespace mivo {

namespace {

constexpr std::chrono::microseconds kByteTime{573};  // 11 bits at 19200 baud

QString SystemError(const char* what) {
    return QString("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

int MakeTimer() { return ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC); }

void Acknowledge(int fd) {
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t r = ::read(fd, &expirations, sizeof expirations);
}

// Wakes `fd` at `when`; a zero time disarms. steady_clock is CLOCK_MONOTONIC here, so its time
// points arm the timer as they stand.
void Arm(int fd, std::chrono::steady_clock::time_point when) {
    if (fd < 0) return;
    itimerspec due{};
    if (when.time_since_epoch().count() != 0) {
        const auto ns =
            std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
        due.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
        due.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
        if (due.it_value.tv_sec == 0 && due.it_value.tv_nsec == 0) due.it_value.tv_nsec = 1;
    }
    ::timerfd_settime(fd, TFD_TIMER_ABSTIME, &due, nullptr);
}

}  // namespace

SimPty::SimPty(SimCore& controller, QObject* parent) : QObject(parent), controller_(controller) {
    paceFd_ = MakeTimer();
    paceNotifier_ = onTimer(paceFd_, &SimPty::pump);
    clockFd_ = MakeTimer();
    clockNotifier_ = onTimer(clockFd_, &SimPty::runClock);
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &SimPty::sendIdleNoise);
    connect(&lineCheck_, &QTimer::timeout, this, &SimPty::repairLineSettings);
}

QSocketNotifier* SimPty::onTimer(int fd, void (SimPty::*woken)()) {
    if (fd < 0) return nullptr;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, fd, woken] {
        Acknowledge(fd);
        (this->*woken)();
    });
    return notifier;
}

SimPty::~SimPty() {
    hangUp();
    delete paceNotifier_;
    delete clockNotifier_;
    for (int fd : {paceFd_, clockFd_})
        if (fd >= 0) ::close(fd);
}

bool SimPty::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error_ = SystemError("posix_openpt");
        return false;
    }
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0) {
        error_ = SystemError("pseudo-terminal");
        ::close(master_);
        master_ = -1;
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    clockZero_ =
        std::chrono::steady_clock::now() -
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(controller_.clock().now());
    slaveHold_ = ::open(name, O_RDWR | O_NOCTTY);
    termios t{};
    if (slaveHold_ < 0 || ::tcgetattr(slaveHold_, &t) != 0) {
        error_ = SystemError("slave side");
        hangUp();
        return false;
    }
    // Raw both ways: no echo of the editor's commands, no CR/LF translation.
    ::cfmakeraw(&t);
    ::tcsetattr(slaveHold_, TCSANOW, &t);
    lineCheck_.start(200);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &SimPty::onReadable);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &SimPty::pump);
    return true;
}

void SimPty::hangUp() {
    lineCheck_.stop();
    Arm(paceFd_, {});
    Arm(clockFd_, {});
    idleTimer_.stop();
    // Possibly called from the notifier's own signal: let the event loop delete them.
    for (QSocketNotifier* n : {readNotifier_, writeNotifier_}) {
        if (!n) continue;
        n->setEnabled(false);
        n->deleteLater();
    }
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    if (slaveHold_ >= 0) ::close(slaveHold_);
    slaveHold_ = -1;
    out_.clear();
    in_.clear();
}

// A serial port asks for odd parity; a pseudo-terminal keeps the odd flag but drops parity
// itself. A peer that closes the port gives its old settings back, but one that was killed
// leaves the odd flag behind, and the next open then fails its own check of the settings
// ("Invalid argument"). Parity means nothing here: the flag is cleared whenever it shows.
void SimPty::repairLineSettings() {
    termios t{};
    if (slaveHold_ < 0 || ::tcgetattr(slaveHold_, &t) != 0) return;
    if (!(t.c_cflag & PARODD) || (t.c_cflag & PARENB)) return;
    t.c_cflag &= ~static_cast<tcflag_t>(PARODD);
    ::tcsetattr(slaveHold_, TCSANOW, &t);
}

void SimPty::sendRaw(const std::string& bytes) {
    if (master_ < 0) return;
    if (out_.empty()) nextDue_ = std::max(nextDue_, std::chrono::steady_clock::now());
    out_ += bytes;
    pump();
}

void SimPty::onReadable() {
    char buf[4096];
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n <= 0) {
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        readNotifier_->setEnabled(false);  // cannot happen while the slave is held open
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    for (ssize_t i = 0; i < n && master_ >= 0; ++i) {
        const char c = buf[i];
        if (paced_) inDue_ = std::max(inDue_, now) + kByteTime;
        if (c == '\x1A' && in_.empty()) {
            handle("\x1A");  // sent alone, without a line end
        } else if (c == '\n') {
            if (!in_.empty() && in_.back() == '\r') in_.pop_back();
            std::string line;
            line.swap(in_);
            handle(line);
        } else {
            in_.push_back(c);
        }
    }
}

void SimPty::handle(const std::string& command) {
    idleTimer_.stop();
    // What fell due before the command goes out first.
    runClock();
    // The reply cannot start before the command has crossed the line.
    if (paced_) nextDue_ = std::max(nextDue_, inDue_);
    controller_.receive(command);
    if (controller_.hungUp()) {
        hangUp();
    } else {
        runClock();
        if (controller_.faults.equalBytesWhenIdle) idleTimer_.start(controller_.faults.idleDelayMs);
    }
    emit commandReceived(QString::fromLatin1(command.data(), static_cast<int>(command.size())));
}

void SimPty::runClock() {
    if (master_ < 0) return;
    using namespace std::chrono;
    SimClock& clock = controller_.clock();
    clock.advanceTo(duration_cast<SimClock::Duration>(steady_clock::now() - clockZero_));
    sendReplies();
    const auto due = clock.nextDue();
    Arm(clockFd_, due ? clockZero_ + duration_cast<steady_clock::duration>(*due)
                      : steady_clock::time_point{});
}

void SimPty::sendReplies() {
    if (!controller_.hasReply()) return;
    std::string bytes;
    while (controller_.hasReply()) bytes += controller_.takeReply() + "\r\n";
    sendRaw(bytes);
    if (controller_.faults.equalBytesWhenIdle) idleTimer_.start(controller_.faults.idleDelayMs);
}

void SimPty::sendIdleNoise() { sendRaw(controller_.idleNoise()); }

// Writes what is due: everything at once, or at the line rate when paced (a byte is written
// once it would have fully crossed the line).
void SimPty::pump() {
    if (master_ < 0) return;
    std::size_t n = out_.size();
    if (paced_) {
        const auto now = std::chrono::steady_clock::now();
        n = 0;
        auto due = nextDue_;
        while (n < out_.size() && due + kByteTime <= now) {
            ++n;
            due += kByteTime;
        }
        nextDue_ = due;
    }
    if (n > 0) {
        const ssize_t w = ::write(master_, out_.data(), n);
        if (w > 0) {
            out_.erase(0, static_cast<std::size_t>(w));
            if (paced_ && static_cast<std::size_t>(w) < n) nextDue_ -= kByteTime * (n - w);
        }
    }
    const bool pending = !out_.empty();
    writeNotifier_->setEnabled(pending && !paced_);
    Arm(paceFd_,
        paced_ && pending ? nextDue_ + kByteTime : std::chrono::steady_clock::time_point{});
}

}  // namespace mivo
