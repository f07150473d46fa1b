#include "plant/end_command.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/seconds_text.h"

extern char** environ;

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kKillGrace{2000};  // SIGTERM to SIGKILL
constexpr int kNoPidfdPollMs = 50;                     // where pidfd_open is not to be had

std::string LimitText(std::chrono::milliseconds limit) {
    if (limit.count() % 1000 == 0) return std::to_string(limit.count() / 1000) + " s";
    return MillisecondsText(static_cast<double>(limit.count()) / 1000.0);
}

// A sentence said of the command: its template (the command line %1, then `values`).
struct Saying {
    Saying() = default;
    Saying(const char* s, std::string a, std::string b = {})
        : sentence(s), first(std::move(a)), second(std::move(b)) {}
    const char* sentence = nullptr;
    std::string first, second;
};

// What the status of a command that ended says against it; no sentence when it succeeded.
Saying Failure(int status) {
    if (WIFEXITED(status)) {
        const int code = WEXITSTATUS(status);
        if (code == 0) return {};
        if (code == 127)
            return {UI_TEXT("Message",
                            "The command after each run, '%1', ended with exit code %2 (the shell "
                            "found no such command). Later failures of it are not said."),
                    std::to_string(code)};
        if (code == 126)
            return {UI_TEXT("Message",
                            "The command after each run, '%1', ended with exit code %2 (the shell "
                            "could not run it). Later failures of it are not said."),
                    std::to_string(code)};
        return {UI_TEXT("Message",
                        "The command after each run, '%1', ended with exit code %2. Later "
                        "failures of it are not said."),
                std::to_string(code)};
    }
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        return {UI_TEXT("Message",
                        "The command after each run, '%1', was ended by signal %2 (%3). Later "
                        "failures of it are not said."),
                std::to_string(signal), ::strsignal(signal)};
    }
    return {};
}

struct Child {
    pid_t pid = -1;
    int pidfd = -1;  // -1: watched by polling
    Clock::time_point deadline;
    bool terminated = false;  // SIGTERM sent at the time limit
};

}  // namespace

struct EndCommand::Watch {
    std::string commandLine;
    std::chrono::milliseconds timeLimit;
    Said said;

    std::mutex mutex;
    std::vector<std::vector<std::string>> starting;  // each command's environment
    bool ownerGone = false;
    std::atomic<int> running{0};
    int wake = -1;  // eventfd: run() or the owner's end

    std::mutex sayMutex;  // held while `said` runs
    bool saidOnce = false;
    bool silent = false;  // the owner is gone

    std::thread thread;

    ~Watch() {
        if (wake >= 0) ::close(wake);
    }

    void poke() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake, &one, sizeof one);
    }

    // Each sentence whole, so that it is translated whole.
    void say(const Saying& what) {
        const std::lock_guard<std::mutex> lock(sayMutex);
        if (saidOnce || silent || !said) return;
        saidOnce = true;
        said(Filled(what.sentence, {ReadableText(commandLine), what.first, what.second}));
    }

    // Starts one command; false (and said) when the shell could not be started.
    bool start(std::vector<std::string>& environment, Child& child) {
        std::vector<char*> envp;
        for (std::string& e : environment) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string shell = "/bin/sh", dashC = "-c", line = commandLine;
        char* argv[] = {shell.data(), dashC.data(), line.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        // Neither the serial line nor the broker's socket may live on in the command.
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);  // `mivo` ignores SIGPIPE
        posix_spawnattr_setflags(
            &attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        const int error =
            ::posix_spawn(&child.pid, "/bin/sh", &actions, &attributes, argv, envp.data());
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            say({UI_TEXT("Message",
                         "The command after each run, '%1', could not be started: %2. Later "
                         "failures of it are not said."),
                 std::strerror(error)});
            return false;
        }
        // glibc's pidfd_open wrapper is declared without C linkage in Debian 12's header.
        child.pidfd = static_cast<int>(::syscall(SYS_pidfd_open, child.pid, 0));
        child.deadline = Clock::now() + timeLimit;
        return true;
    }

    // Reaps `child` when it ended: true then, its failure said.
    bool reaped(Child& child) {
        int status = 0;
        const pid_t done = ::waitpid(child.pid, &status, WNOHANG);
        if (done == 0 || (done < 0 && errno == EINTR)) return false;
        if (child.pidfd >= 0) ::close(child.pidfd);
        // A command stopped at its time limit counts as that, whatever its status; one reaped
        // elsewhere (SIGCHLD ignored) as done.
        if (child.terminated)
            say({UI_TEXT("Message",
                         "The command after each run, '%1', ran longer than its time limit of %2 "
                         "and was stopped. Later failures of it are not said."),
                 LimitText(timeLimit)});
        else if (done == child.pid)
            if (const Saying failure = Failure(status); failure.sentence) say(failure);
        return true;
    }

    void loop() {
        std::vector<Child> children;
        for (;;) {
            std::vector<std::vector<std::string>> batch;
            bool gone = false;
            {
                const std::lock_guard<std::mutex> lock(mutex);
                batch.swap(starting);
                gone = ownerGone;
            }
            for (std::vector<std::string>& environment : batch) {
                Child child;
                if (start(environment, child))
                    children.push_back(child);
                else
                    --running;
            }
            for (auto c = children.begin(); c != children.end();) {
                if (reaped(*c)) {
                    c = children.erase(c);
                    --running;
                    continue;
                }
                if (Clock::now() >= c->deadline) {
                    ::kill(-c->pid, c->terminated ? SIGKILL : SIGTERM);
                    c->deadline =
                        c->terminated ? Clock::time_point::max() : Clock::now() + kKillGrace;
                    c->terminated = true;
                }
                ++c;
            }
            if (gone && children.empty()) {
                const std::lock_guard<std::mutex> lock(mutex);
                if (starting.empty()) return;
                continue;
            }
            wait(children);
        }
    }

    // Until run() or the end pokes, a command ends or a time limit comes.
    void wait(const std::vector<Child>& children) {
        std::vector<pollfd> fds{{wake, POLLIN, 0}};
        int timeout = wake < 0 ? kNoPidfdPollMs : -1;
        const Clock::time_point now = Clock::now();
        for (const Child& c : children) {
            if (c.pidfd >= 0)
                fds.push_back({c.pidfd, POLLIN, 0});
            else
                timeout = timeout < 0 ? kNoPidfdPollMs : std::min(timeout, kNoPidfdPollMs);
            if (c.deadline != Clock::time_point::max()) {
                const auto left =
                    std::chrono::ceil<std::chrono::milliseconds>(c.deadline - now).count();
                const int ms = static_cast<int>(std::clamp<long long>(left, 0, 3600000));
                timeout = timeout < 0 ? ms : std::min(timeout, ms);
            }
        }
        ::poll(fds.data(), fds.size(), timeout);
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(wake, &count, sizeof count);
        }
    }
};

std::vector<std::string> EndCommandVariables(const RunRecord& run) {
    std::string error = run.errorCode;
    std::erase(error, '\0');  // no environment holds one
    return {
        "MIVO_RESULT=" + std::string(RunResultWord(run.result)),
        "MIVO_CYCLE_S=" +
            (run.cycleMs ? ThousandthsText(static_cast<double>(*run.cycleMs) / 1000.0) : ""),
        "MIVO_PROGRAM=" + (run.program >= 0 ? std::to_string(run.program) : ""),
        "MIVO_ERROR=" + error,
        "MIVO_START=" + UtcTimestamp(run.startMs),
    };
}

EndCommand::EndCommand(std::string commandLine, Said said, std::chrono::milliseconds timeLimit)
    : commandLine_(std::move(commandLine)), watch_(std::make_shared<Watch>()) {
    watch_->commandLine = commandLine_;
    watch_->timeLimit = timeLimit;
    watch_->said = std::move(said);
    watch_->wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    watch_->thread = std::thread([watch = watch_] { watch->loop(); });
}

EndCommand::~EndCommand() {
    {
        const std::lock_guard<std::mutex> lock(watch_->sayMutex);
        watch_->silent = true;
    }
    {
        const std::lock_guard<std::mutex> lock(watch_->mutex);
        watch_->ownerGone = true;
    }
    watch_->poke();
    if (watch_->running == 0)
        watch_->thread.join();
    else
        watch_->thread.detach();
}

void EndCommand::run(const RunRecord& run) {
    std::vector<std::string> environment = EndCommandVariables(run);
    const std::size_t ours = environment.size();
    for (char** e = environ; e && *e; ++e) {
        const std::string_view entry(*e);
        const std::string_view name = entry.substr(0, entry.find('=') + 1);
        const bool replaced =
            std::any_of(environment.begin(), environment.begin() + ours,
                        [&](const std::string& v) { return v.starts_with(name); });
        if (!replaced) environment.emplace_back(entry);
    }
    ++watch_->running;
    {
        const std::lock_guard<std::mutex> lock(watch_->mutex);
        watch_->starting.push_back(std::move(environment));
    }
    watch_->poke();
}

int EndCommand::running() const { return watch_->running; }

}  // namespace mivo
