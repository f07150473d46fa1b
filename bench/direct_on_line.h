#pragma once
// The direct-operation screen, real widgets (offscreen unless a platform is set), on line to
// mivo-sim running as a child process with --pace (19200 baud both ways): what the benchmarks
// of its stops share. Questions are answered Yes; errors are printed.
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/create_screens.h"
#include "common/fiber.h"
#include "common/prompter.h"
#include "link/controller_link.h"
#include "sim_process.h"
#include "yes_prompter.h"

namespace mivo::bench {

struct DirectOnLine {
    // False (with a message) when the simulator did not start or the line did not go on.
    bool start() {
        device = StartSimulator(sim, {"--pace"});
        if (device.isEmpty()) return false;
        set = createScreens(screens, &prompter);
        link().setDeviceForPort(1, device);
        direct = screens.tdirect;
        direct->show();
        QTest::mouseClick(direct->findChild<QPushButton*>("linemonitor"), Qt::LeftButton);
        if (link().isDirectOnline()) return true;
        std::fprintf(stderr, "the direct screen did not go on line\n");
        return false;
    }
    ~DirectOnLine() {
        if (set) link().goDirectOffline();
        set.reset();
        StopSimulator(sim);
    }
    ControllerLink& link() { return *screens.tbuff; }
    QPushButton* button(const char* name) { return direct->findChild<QPushButton*>(name); }
    // The commands a click started on fibers have ended.
    // The event loop runs as the program's would, woken by each event (a check every 20 ms
    // says when the fibers have ended).
    static void settle() {
        QEventLoop loop;
        QTimer check;
        QDeadlineTimer limit(120000);
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (Fiber::alive() == 0 || limit.hasExpired()) loop.quit();
        });
        check.start(20);
        if (Fiber::alive() > 0) loop.exec();
    }
    // `body` on a fiber, as the direct channel's requests are made; returns once it ended.
    static void onFiber(std::function<void()> body) {
        Fiber::start(std::move(body));
        settle();
    }

    QProcess sim;
    QString device;
    YesPrompter prompter;
    CreatedScreens screens;
    std::unique_ptr<ScreenSet> set;
    QWidget* direct = nullptr;
};

inline double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// "median ... 99th percentile ... largest ..." of `ms`, after `what`.
inline void PrintSpread(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * (ms.size() - 1) + 0.5))];
    };
    std::printf("  %-24s median %.3f ms   99th percentile %.3f ms   largest %.3f ms\n", what,
                at(0.5), at(0.99), ms.back());
}

}  // namespace mivo::bench
