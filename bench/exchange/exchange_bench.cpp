// bench_exchange: runs mivo-sim as a child process and measures, on the editor side only,
//  - the editor's own time per exchange: from the LF of the last reply line being taken from
//    the line (in the readyRead handler) to the next command's bytes written, over 1000
//    exchanges of "@?Ver 0" (reply line, then "OK");
//  - the processor time used while on line and idle, as % of one core;
//  - both exchange figures without and then with the flight recorder writing every line (into a
//    temporary folder), and the recorder's cost per exchange.
// Prints the figures and asserts nothing. Options: --pace (sim at 19200 baud),
// --exchanges N, --idle-seconds S.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "../sim_process.h"
#include "common/prompter.h"
#include "link/controller_link.h"
#include "link/flight_recorder.h"
#include "link/link_messages.h"
#include "modal/modal_run.h"

namespace {

class PrintingPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string& text, const std::string&) override {
        std::printf("question: %s\n", text.c_str());
        return false;
    }
    Answer askYesNoCancel(const std::string& text, const std::string&) override {
        std::printf("question: %s\n", text.c_str());
        return Answer::Cancel;
    }
    void notify(const std::string& text, const std::string& caption) override {
        std::printf("message [%s]: %s\n", caption.c_str(), text.c_str());
    }
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override {
        std::printf("message [%s]: %s (%s)\n", caption.c_str(), text.c_str(), detail.c_str());
    }
    void showControllerError(const std::string& line) override {
        std::printf("controller error: %s\n", line.c_str());
    }
};

using Clock = std::chrono::steady_clock;

struct Exchanges {
    std::vector<double> gapsMs;  // sorted
    int failures = 0;
    double totalS = 0;
    double at(double q) const {
        return gapsMs[std::min(gapsMs.size() - 1, static_cast<std::size_t>(q * gapsMs.size()))];
    }
};

Exchanges Exchange(mivo::ControllerLink& link, int exchanges) {
    mivo::Channel& ch = link.mainChannel();
    Exchanges r;
    r.gapsMs.reserve(static_cast<std::size_t>(exchanges));
    Clock::time_point previousEnd{};
    const Clock::time_point start = Clock::now();
    mivo::RunModal([&] {
        for (int i = 0; i <= exchanges; ++i) {
            const std::string version = ch.request("@?Ver 0");
            const Clock::time_point writtenAt = link.lastWrite();
            const std::string ok = ch.next();
            if (version != "V1.20" || ok != "OK") ++r.failures;
            if (i > 0)
                r.gapsMs.push_back(
                    std::chrono::duration<double, std::milli>(writtenAt - previousEnd).count());
            previousEnd = link.lastLineEnd();
        }
    });
    r.totalS = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(r.gapsMs.begin(), r.gapsMs.end());
    return r;
}

void Print(const char* what, const Exchanges& r) {
    std::printf(
        "%s: %zu exchanges (\"@?Ver 0\" + \"OK\"), %d wrong replies, %.3f s in all "
        "(%.4f ms each)\n",
        what, r.gapsMs.size(), r.failures, r.totalS,
        1000.0 * r.totalS / static_cast<double>(r.gapsMs.size() + 1));
    std::printf(
        "  editor time per exchange (LF delivered by readyRead -> next command written): "
        "median %.4f ms, p99 %.4f ms, max %.4f ms\n",
        r.at(0.5), r.at(0.99), r.gapsMs.back());
}

double CpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool pace = args.contains("--pace");
    int exchanges = 1000;
    int idleSeconds = 10;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--exchanges") exchanges = std::max(1, args[i + 1].toInt());
        if (args[i] == "--idle-seconds") idleSeconds = std::max(1, args[i + 1].toInt());
    }

    QProcess sim;
    const QString device =
        mivo::bench::StartSimulator(sim, pace ? QStringList{"--pace"} : QStringList{});
    if (device.isEmpty()) return 1;

    PrintingPrompter prompter;
    mivo::ControllerLink link;
    mivo::RouteLinkMessages(link, [&prompter](const std::string& text, const std::string& caption,
                                              const std::string& detail) {
        prompter.notifyDetail(text, caption, detail);
    });
    link.setDeviceForPort(1, device);
    if (!link.goOnline()) return 1;
    std::printf("sim: mivo-sim child process on %s%s\n", qPrintable(device),
                pace ? ", paced at 19200 baud" : ", unpaced");
    Exchange(link, exchanges / 4 + 1);  // warm-up
    // Taken in turns, three rounds each, the fastest round of each counted.
    QTemporaryDir state;
    mivo::FlightRecorder recorder(
        mivo::FlightLogFolder(state.path().toLocal8Bit().constData(), nullptr));
    std::optional<Exchanges> plain, recorded;
    for (int round = 0; round < 6; ++round) {
        const bool recording = round % 2 == 1;
        link.setRecorder(recording ? &recorder : nullptr);
        Exchanges r = Exchange(link, exchanges);
        std::optional<Exchanges>& best = recording ? recorded : plain;
        if (!best || r.totalS < best->totalS) best = std::move(r);
    }
    link.setRecorder(nullptr);
    Print("without the flight recorder", *plain);
    Print("with the flight recorder", *recorded);
    std::printf("  the recorder's cost: %+.4f ms per exchange in all, %+.4f ms at the median gap\n",
                1000.0 * (recorded->totalS - plain->totalS) / (exchanges + 1),
                recorded->at(0.5) - plain->at(0.5));

    const double cpu0 = CpuSeconds();
    const Clock::time_point idle0 = Clock::now();
    QTimer::singleShot(idleSeconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - idle0).count();
    const double cpu = CpuSeconds() - cpu0;
    std::printf("idle on line for %.1f s: %.4f s processor time = %.3f %% of one core (%s)\n", wall,
                cpu, 100.0 * cpu / wall, link.isOnline() ? "still on line" : "OFF LINE");

    link.goOffline();
    mivo::bench::StopSimulator(sim);
    return 0;
}
