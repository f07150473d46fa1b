#pragma once
// A mosquitto broker of a test's (or a benchmark's) own on 127.0.0.1: a free port, its
// configuration, persistence and log in a given folder; stopped by a signal and started again
// on the same port, its clients' sessions kept. And a program started on its own, for the
// publisher that a test kills. Plain C++ (POSIX).
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace mivo::test {

// `argv` started with its standard output and error appended to `log`; -1 when it did not start.
inline pid_t StartProgram(const std::vector<std::string>& argv, const std::filesystem::path& log) {
    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& a : args) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// `pid` ended by `signal` and reaped.
inline void EndProgram(pid_t& pid, int signal = SIGKILL) {
    if (pid <= 0) return;
    ::kill(pid, signal);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

// A TCP port on 127.0.0.1 that nothing listens on just now.
inline int FreePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

inline bool Listens(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return connected;
}

class LocalBroker {
  public:
    explicit LocalBroker(std::filesystem::path folder, std::string program = MIVO_MOSQUITTO)
        : folder_(std::move(folder)), program_(std::move(program)), port_(FreePort()) {
        std::ofstream conf(folder_ / "mosquitto.conf");
        conf << "listener " << port_ << " 127.0.0.1\n"
             << "allow_anonymous true\n"
             << "persistence true\n"
             << "persistence_location " << (folder_ / "").string() << "\n";
        // As root it would otherwise become the user "mosquitto", who may not write here.
        if (::geteuid() == 0) conf << "user root\n";
    }
    ~LocalBroker() { stop(SIGKILL); }
    LocalBroker(const LocalBroker&) = delete;
    LocalBroker& operator=(const LocalBroker&) = delete;

    // Starts it; true once it listens (within 10 s).
    bool start() {
        pid_ = StartProgram({program_, "-c", (folder_ / "mosquitto.conf").string()},
                            folder_ / "mosquitto.log");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
            if (Listens(port_)) return true;
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    // SIGTERM saves the clients' sessions; SIGKILL loses what came since the last save.
    void stop(int signal = SIGTERM) { EndProgram(pid_, signal); }

    int port() const { return port_; }
    std::string url(const std::string& prefix) const {
        return "mqtt://127.0.0.1:" + std::to_string(port_) + "/" + prefix;
    }
    std::filesystem::path log() const { return folder_ / "mosquitto.log"; }

  private:
    std::filesystem::path folder_;
    std::string program_;
    int port_;
    pid_t pid_ = -1;
};

}  // namespace mivo::test
