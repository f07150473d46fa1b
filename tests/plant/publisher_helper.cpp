// plant_publisher_helper URL ROBOT: a program that tells the broker at URL its robot's state
// "running" while the robot is not known (its last will on the "unknown" robot's topic), takes
// the robot number ROBOT at SIGUSR1, and then waits to be killed: the broker is then to tell its
// last will on ROBOT's topic.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "plant/mqtt_publisher.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const mivo::MqttUrlRead read = mivo::ParseMqttUrl(argv[1]);
    if (!read.problem.empty()) {
        std::fprintf(stderr, "%s\n", read.problem.c_str());
        return 2;
    }
    sigset_t known;
    sigemptyset(&known);
    sigaddset(&known, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &known, nullptr);  // the publisher's threads too
    mivo::MqttPublisher publisher(
        read.url, -1, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    publisher.publishState(mivo::PlantState::Running);
    int signal = 0;
    sigwait(&known, &signal);
    publisher.setRobot(std::atoi(argv[2]));
    for (;;) ::pause();
}
