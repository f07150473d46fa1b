#include "sim/sim_pty.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sim/sim_controller.h"

namespace mivo {

namespace {

constexpr std::chrono::microseconds kByteTime{573};  // 11 bits at 19200 baud

QString SystemError(const char* what) {
    return QString("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

SimPty::SimPty(SimController& controller, QObject* parent)
    : QObject(parent), controller_(controller) {
    paceTimer_.setTimerType(Qt::PreciseTimer);
    paceTimer_.setInterval(1);
    connect(&paceTimer_, &QTimer::timeout, this, &SimPty::pump);
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &SimPty::sendIdleNoise);
}

SimPty::~SimPty() { hangUp(); }

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
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &SimPty::onReadable);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &SimPty::pump);
    return true;
}

void SimPty::hangUp() {
    paceTimer_.stop();
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
    for (ssize_t i = 0; i < n && master_ >= 0; ++i) {
        const char c = buf[i];
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
    controller_.receive(command);
    if (controller_.hungUp()) {
        hangUp();
    } else {
        std::string bytes;
        while (controller_.hasReply()) bytes += controller_.takeReply() + "\r\n";
        sendRaw(bytes);
        if (controller_.faults.equalBytesWhenIdle) idleTimer_.start(controller_.faults.idleDelayMs);
    }
    emit commandReceived(QString::fromLatin1(command.data(), static_cast<int>(command.size())));
}

void SimPty::sendIdleNoise() { sendRaw(controller_.idleNoise()); }

// Writes what is due: everything at once, or at the line rate when paced.
void SimPty::pump() {
    if (master_ < 0) return;
    std::size_t n = out_.size();
    if (paced_) {
        const auto now = std::chrono::steady_clock::now();
        n = 0;
        auto due = nextDue_;
        while (n < out_.size() && due <= now) {
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
    if (paced_ && pending) {
        if (!paceTimer_.isActive()) paceTimer_.start();
    } else {
        paceTimer_.stop();
    }
}

}  // namespace mivo
