#include "common/stop_signals.h"

#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <initializer_list>

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
    // Whoever started us may have blocked them (a signal that came meanwhile is pending and
    // is handled now, instead of never or by the default action later).
    sigset_t stops;
    ::sigemptyset(&stops);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) ::sigaddset(&stops, s);
    ::pthread_sigmask(SIG_UNBLOCK, &stops, nullptr);
    return pipeEnds[0];
}

}  // namespace mivo
