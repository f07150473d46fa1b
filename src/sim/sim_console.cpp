#include "sim/sim_console.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "sim/sim_io.h"

namespace mivo {

namespace {

constexpr std::size_t kLongest = 200;  // a longer line is no input setting

}  // namespace

SimConsole::SimConsole(SimIo& io, int fd, QObject* parent) : QObject(parent), io_(io), fd_(fd) {
    // Reading the terminal from its background gives EIO instead of stopping the process.
    std::signal(SIGTTIN, SIG_IGN);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SimConsole::onReadable);
    retry_.setSingleShot(true);
    retry_.setInterval(1000);
    connect(&retry_, &QTimer::timeout, this, [this] { notifier_->setEnabled(true); });
}

void SimConsole::onReadable() {
    char buf[512];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n < 0 && errno == EINTR) return;
    if (n < 0 && errno == EIO) {
        notifier_->setEnabled(false);
        retry_.start();
        return;
    }
    if (n <= 0) {
        notifier_->setEnabled(false);  // the end of the input
        return;
    }
    for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] != '\n') {
            in_.push_back(buf[i]);
            continue;
        }
        std::string line;
        line.swap(in_);
        take(line);
    }
    if (in_.size() > kLongest) {
        in_.clear();
        take(std::string(kLongest + 1, '?'));
    }
}

void SimConsole::take(const std::string& line) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) return;
    const auto set = SimIo::ParseLine(line);
    if (!set) {
        std::fprintf(stderr, "mivo-sim: ignored: type DI N S, N 0 to 15, S 0 or 1 (DI 5 1)\n");
        return;
    }
    io_.setInput(set->n, set->on);
    std::printf("DI %d %s\n", set->n, set->on ? "on" : "off");
    std::fflush(stdout);
}

}  // namespace mivo
