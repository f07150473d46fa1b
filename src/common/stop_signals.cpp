#include "common/stop_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mivo {

namespace {

int pipeEnds[2] = {-1, -1};

void OnStopSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &c, 1);
}

}  // namespace

int StopSignalDescriptor() {
    if (pipeEnds[0] >= 0) return pipeEnds[0];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return -1;
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    // No SA_RESTART: a blocking read of an answer returns, so a question does not hold the stop.
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
    return pipeEnds[0];
}

}  // namespace mivo
