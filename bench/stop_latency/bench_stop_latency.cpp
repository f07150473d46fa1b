// bench_stop_latency: the real screens (offscreen by default) on line to mivo-sim running as a
// child process with --pace (19200 baud both ways). The controller runs a program that never
// ends; each press clicks RUN, and once "@RUN" is on the line and RUN waits for the program's
// replies, clicks the STOP panel. Measured: from just before the click to the moment the link
// has written "@STOP" (its traffic report right after the write), and to the moment it handed
// "@STOP" to the system's write. Prints the median, the 99th percentile and the largest of the
// presses, and what the system's writes took. Asserts nothing; exits 1 when a press does not
// reach "@STOP".
// Options: --presses N (default 200).
#include <QTimer>

#include "../direct_on_line.h"
#include "../write_watch.h"

namespace {

using Clock = std::chrono::steady_clock;
using mivo::bench::Ms;

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int presses = 200;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "--presses") presses = std::max(1, args[i + 1].toInt());

    mivo::bench::DirectOnLine on;
    if (!on.start()) return 1;
    mivo::ControllerLink& link = on.link();
    QWidget* direct = on.direct;
    // A program that never ends: a tenth of a second's timer, and back to it.
    mivo::bench::DirectOnLine::onFiber([&link] {
        mivo::Channel& line = link.directChannel();
        line.request("@WRITE STEP 0,SEQ,401,");
        line.request("@WRITE STEP 1,SEQ,800,0");
        line.request("@ORG");
    });

    auto* run = direct->findChild<QPushButton*>("RUN");
    auto* stop = direct->findChild<QPushButton*>("STOP");
    Clock::time_point clicked{}, written{};
    bool armed = false;
    QObject::connect(
        &link, &mivo::ControllerLink::traffic, &link,
        [&](bool, bool sent, const QByteArray& bytes) {
            if (!sent) return;
            if (bytes == "@STOP" && armed) {
                written = Clock::now();
                armed = false;
            }
            // RUN waits once its "@RUN" is out: the press comes a moment later, from the
            // event loop of that wait.
            if (bytes == "@RUN")
                QTimer::singleShot(30, &link, [&] {
                    armed = true;
                    clicked = Clock::now();
                    QTest::mouseClick(stop, Qt::LeftButton);
                });
        },
        Qt::DirectConnection);

    std::vector<double> ms, handed;
    for (int i = 0; i < presses; ++i) {
        written = {};
        QTest::mouseClick(run, Qt::LeftButton);
        mivo::bench::DirectOnLine::settle();  // STOP has ended the run
        if (written == Clock::time_point{}) {
            std::printf("press %d: no \"@STOP\" was written\n", i + 1);
            return 1;
        }
        ms.push_back(Ms(written - clicked));
        handed.push_back(Ms(mivo::bench::WriteWatch::stopCalled - clicked));
    }
    std::printf("sim: mivo-sim child process on %s, paced at 19200 baud both ways\n",
                qPrintable(on.device));
    std::printf("STOP click to \"@STOP\" written, %d presses while RUN waits:\n", presses);
    mivo::bench::PrintSpread("STOP clicked", ms);
    mivo::bench::PrintSpread("to the write call", handed);
    std::printf("  (goal: 99th percentile under 2 ms)\n");
    using mivo::bench::WriteWatch;
    WriteWatch::print("meanwhile", WriteWatch::commands, WriteWatch::systemMs, WriteWatch::slow);
    return 0;
}
