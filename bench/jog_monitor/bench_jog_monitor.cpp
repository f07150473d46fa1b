// bench_jog_monitor: the real direct-operation screen (offscreen by default) on line to mivo-sim
// running as a child process with --pace (19200 baud both ways).
// Jog: X+ and X- in mode 3, pressed in turn; 30 ms after "@X3+" is on the line the hold ends,
// by the mouse released, the focus lost, the window deactivated or the application made
// inactive, in turn. Measured: from just before that event to the moment the link has written
// "@STOP", and to the moment it handed "@STOP" to the system's write. Prints the median, the
// 99th percentile and the largest, per way and over all, and what the system's writes took.
// Monitor: started, then timed over its scans: one scan (16 outputs, 16 inputs, 4 positions,
// the step) from one "@?DO 0" to the next, against the same queries exchanged in a plain loop on
// the same line and the time their bytes take on the wire, and the processor time the program
// used meanwhile. Asserts nothing; exits 1 when a hold does not reach "@STOP".
// Options: --holds N (default 200), --scans N (default 20).
#include <sys/resource.h>

#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "../counting_channel.h"
#include "../direct_on_line.h"
#include "../write_watch.h"

namespace {

using Clock = std::chrono::steady_clock;
using mivo::bench::Ms;

// The processor time used so far, in the program (user) and in the system for it.
struct Cpu {
    double user = 0, system = 0;
};
Cpu CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {s(u.ru_utime), s(u.ru_stime)};
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int holds = 200, scans = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--holds") holds = std::max(1, args[i + 1].toInt());
        if (args[i] == "--scans") scans = std::max(2, args[i + 1].toInt());
    }

    mivo::bench::DirectOnLine on;
    if (!on.start()) return 1;
    mivo::ControllerLink& link = on.link();
    QWidget* direct = on.direct;
    mivo::bench::DirectOnLine::onFiber([&link] { link.directChannel().request("@ORG"); });
    direct->findChild<QRadioButton*>("RadioButton3")->setChecked(true);

    // The ways a hold ends, in turn.
    const auto send = [](QObject* to, QEvent::Type type) {
        QEvent e(type);
        QApplication::sendEvent(to, &e);
    };
    const std::vector<std::pair<const char*, std::function<void(QPushButton*)>>> ways = {
        {"mouse released", [](QPushButton* b) { QTest::mouseRelease(b, Qt::LeftButton); }},
        {"focus lost",
         [&](QPushButton* b) {
             QFocusEvent e(QEvent::FocusOut);
             QApplication::sendEvent(b, &e);
         }},
        {"window deactivated", [&](QPushButton*) { send(direct, QEvent::WindowDeactivate); }},
        {"application inactive",
         [](QPushButton*) {
             QMetaObject::invokeMethod(qApp, "applicationStateChanged",
                                       Q_ARG(Qt::ApplicationState, Qt::ApplicationInactive));
         }},
    };
    QPushButton* button = nullptr;
    std::size_t way = 0;
    Clock::time_point ended{}, written{};
    bool armed = false;
    std::size_t scanBytes = 0;
    std::vector<Clock::time_point> scanStarts;
    QObject::connect(
        &link, &mivo::ControllerLink::traffic, &link,
        [&](bool, bool sent, const QByteArray& bytes) {
            scanBytes += static_cast<std::size_t>(bytes.size()) + 2;  // with CR LF
            if (!sent) return;
            if (bytes == "@?DO 0") scanStarts.push_back(Clock::now());
            if (bytes == "@STOP" && armed) {
                written = Clock::now();
                armed = false;
            }
            if (bytes == "@X3+" || bytes == "@X3-")
                QTimer::singleShot(30, &link, [&] {
                    armed = true;
                    ended = Clock::now();
                    ways[way].second(button);
                });
        },
        Qt::DirectConnection);

    std::vector<std::vector<double>> ms(ways.size());
    std::vector<double> all, handed;
    using mivo::bench::WriteWatch;
    for (int i = 0; i < holds; ++i) {
        way = static_cast<std::size_t>(i) % ways.size();
        button = direct->findChild<QPushButton*>(i % 2 ? "X2" : "X1");
        written = {};
        QTest::mousePress(button, Qt::LeftButton);
        mivo::bench::DirectOnLine::settle();  // the press ends with its release
        if (written == Clock::time_point{}) {
            std::printf("hold %d (%s): no \"@STOP\" was written\n", i + 1, ways[way].first);
            return 1;
        }
        ms[way].push_back(Ms(written - ended));
        all.push_back(ms[way].back());
        handed.push_back(Ms(WriteWatch::stopCalled - ended));
    }
    std::printf("sim: mivo-sim child process on %s, paced at 19200 baud both ways\n",
                qPrintable(on.device));
    std::printf("held jog (mode 3) ended to \"@STOP\" written, %d holds:\n", holds);
    for (std::size_t w = 0; w < ways.size(); ++w) mivo::bench::PrintSpread(ways[w].first, ms[w]);
    mivo::bench::PrintSpread("all", all);
    mivo::bench::PrintSpread("all, to the write call", handed);
    std::printf("  (goal: 99th percentile under 2 ms)\n");
    WriteWatch::print("meanwhile", WriteWatch::commands, WriteWatch::systemMs, WriteWatch::slow);

    // The monitor: ended from its own scan once enough have run.
    auto* monistart = direct->findChild<QPushButton*>("monistart");
    std::size_t bytesAtFirst = 0, bytesAtLast = 0;
    Cpu cpuAtFirst, cpuAtLast;
    long writesAtFirst = 0, writesAtLast = 0, slowAtFirst = 0, slowAtLast = 0;
    double writeMsAtFirst = 0, writeMsAtLast = 0;
    QObject::connect(
        &link, &mivo::ControllerLink::traffic, &link,
        [&](bool, bool sent, const QByteArray& bytes) {
            if (!sent || bytes != "@?DO 0") return;
            const auto n = scanStarts.size();  // this scan's start is already counted
            if (n == 1) {
                bytesAtFirst = scanBytes;
                cpuAtFirst = CpuSeconds();
                writesAtFirst = WriteWatch::commands;
                writeMsAtFirst = WriteWatch::systemMs;
                slowAtFirst = WriteWatch::slow;
            }
            if (n == static_cast<std::size_t>(scans) + 1) {
                bytesAtLast = scanBytes;
                cpuAtLast = CpuSeconds();
                writesAtLast = WriteWatch::commands;
                writeMsAtLast = WriteWatch::systemMs;
                slowAtLast = WriteWatch::slow;
                QTimer::singleShot(0, monistart, [monistart] { monistart->click(); });
            }
        },
        Qt::DirectConnection);
    scanStarts.clear();
    QTest::mouseClick(monistart, Qt::LeftButton);
    mivo::bench::DirectOnLine::settle();  // the monitor has ended
    if (scanStarts.size() < static_cast<std::size_t>(scans) + 1) {
        std::printf("the monitor ran %zu scans only\n", scanStarts.size());
        return 1;
    }
    const double scan = Ms(scanStarts[static_cast<std::size_t>(scans)] - scanStarts[0]) / scans;
    // Eleven bits a byte at 19200 baud (odd parity); the bytes of both directions, as the line
    // is half used by each exchange in turn.
    const double wire = static_cast<double>(bytesAtLast - bytesAtFirst) / scans *
                        mivo::bench::kByteSeconds * 1000.0;
    const double elapsed = scan * scans / 1000.0;
    const double user = 100.0 * (cpuAtLast.user - cpuAtFirst.user) / elapsed;
    const double system = 100.0 * (cpuAtLast.system - cpuAtFirst.system) / elapsed;

    // The same queries in a plain loop on the same line, one exchange after another.
    std::vector<std::string> queries;
    for (const char* bank : {"@?DO ", "@?DI "})
        for (int n = 0; n < 16; ++n) queries.push_back(bank + std::to_string(n));
    for (int k = 1; k <= 4; ++k) queries.push_back("@?POS " + std::to_string(k));
    queries.push_back("@?SNO");
    Clock::time_point plainStart{}, plainEnd{};
    mivo::bench::DirectOnLine::onFiber([&] {
        for (int pass = 0; pass <= scans; ++pass) {
            if (pass == 1) plainStart = Clock::now();
            for (const std::string& q : queries) link.directChannel().exchange(q);
        }
        plainEnd = Clock::now();
    });
    const double plain = Ms(plainEnd - plainStart) / scans;
    std::printf("monitor, %d scans of 37 queries:\n", scans);
    std::printf(
        "  one scan %.1f ms   the same queries in a plain loop %.1f ms   ratio %.3f"
        "   (goal: at most 1.03)\n",
        scan, plain, scan / plain);
    std::printf("  its wire time %.1f ms: the scan %.3f x wire, the plain loop %.3f x wire\n", wire,
                scan / wire, plain / wire);
    std::printf(
        "  processor time while monitoring: %.1f%% of the elapsed time (goal: at most"
        " 10%%), %.1f%% in the program and %.1f%% in the system for it\n",
        user + system, user, system);
    WriteWatch::print("while monitoring", writesAtLast - writesAtFirst,
                      writeMsAtLast - writeMsAtFirst, slowAtLast - slowAtFirst);
    return 0;
}
