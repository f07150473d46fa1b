// bench_cycle_time: the real direct-operation screen (offscreen by default) on line to mivo-sim
// running as a child process with --pace (19200 baud both ways). For three programs of timer
// steps (0.5 s, 5 s and 30 s of timers, then END) RUN is clicked and the screen's cycle time,
// from "@RUN" written to its "END" arrived, is set against the program's own time: its timers and
// the controller's own work on each step (the simulator's step time). Goal: within 20 ms or 1 %,
// whichever is larger. Then two programs that move (points in XY then Z, a circle, lines, an R
// move, timers) against their estimate before the run (mivo estimate's): goal within 1 %. Then
// the 5 s program once more with the monitor on: the slowest steps the screen lists, to one
// monitor scan. Asserts nothing; exits 1 when a run is not timed.
// Options: --runs N (runs of the 0.5 s program, default 5; the 5 s one runs half as often, the
// 30 s one once), --shot FILE (a picture of the screen at the end, its groups scrolled to the
// cycle time).
#include <QScrollArea>
#include <QTimer>
#include <cmath>
#include <string>

#include "../direct_on_line.h"
#include "direct/cycle_timing.h"
#include "direct/direct_screen.h"
#include "direct/direct_session.h"
#include "parameters/parameter_table.h"
#include "procedures/transfer_view.h"
#include "sim/sim_runs.h"
#include "steps/cycle_estimate.h"
#include "steps/step_transfer.h"

namespace {

struct Program {
    const char* name;
    std::vector<int> tenths;  // each timer step, in tenths of a second (1 to 100)
    int runs;
};

// The timer steps and END as the controller's program 0.
void Write(mivo::Channel& line, const Program& p) {
    int s = 0;
    for (const int t : p.tenths) {
        const std::string pp = t >= 100 ? "00" : (t < 10 ? "0" : "") + std::to_string(t);
        line.request("@WRITE STEP " + std::to_string(s++) + ",SEQ,4" + pp + ",");
    }
    line.request("@WRITE STEP " + std::to_string(s) + ",END,000,,,,");
    line.request("@PDEL " + std::to_string(s + 1));
}

// The program's own time in milliseconds: its timers and the controller's work on each step,
// END's included.
std::int64_t OwnTime(const Program& p) {
    const auto step =
        std::chrono::duration_cast<std::chrono::milliseconds>(mivo::SimRuns::Timing{}.step);
    std::int64_t ms = step.count();
    for (const int t : p.tenths) ms += 100 * t + step.count();
    return ms;
}

// Programs that move, as step files hold them.
mivo::StepTable Moving(int which) {
    mivo::StepTable t;
    const std::vector<std::vector<std::string>> rows =
        which == 0
            ? std::vector<std::vector<std::string>>{{"POI", "000", "100.00", "10.00", "20.00",
                                                     "0.00"},
                                                    {"CIR", "000", "100.00", "10.00", "20.00"},
                                                    {"CIR", "000", "125.00", "35.00", "100.00",
                                                     "60.00"},
                                                    {"LIN", "050", "200.00", "100.00", "30.00",
                                                     "0.00"},
                                                    {"SEQ", "415"},
                                                    {"POI", "000", "150.00", "80.00",
                                                     "0.00", "0.00"},
                                                    {"END", "000"}}
            : std::vector<std::vector<std::string>>{
                  {"POI", "030", "180.00", "20.00", "40.00", "0.00"},
                  {"POI", "600", "", "", "", "90.00"},
                  {"LIN", "000", "10.00", "10.00", "10.00", "0.00"},
                  {"POI", "000", "5.00", "8.00", "2.00", "0.00"},
                  {"POI", "000", "200.00", "150.00", "50.00", "0.00"},
                  {"SEQ", "408"},
                  {"END", "000"}};
    for (std::size_t s = 0; s < rows.size(); ++s)
        for (std::size_t f = 0; f < rows[s].size(); ++f)
            t[static_cast<int>(s)][static_cast<int>(f)] = rows[s][f];
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int runs = 5;
    QString shot;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--runs") runs = std::max(1, args[i + 1].toInt());
        if (args[i] == "--shot") shot = args[i + 1];
    }

    mivo::bench::DirectOnLine on;
    if (!on.start()) return 1;
    auto* screen = static_cast<mivo::DirectScreen*>(on.direct);
    mivo::DirectSession& session = screen->session();
    mivo::Channel& line = on.link().directChannel();
    mivo::bench::DirectOnLine::onFiber([&line] { line.request("@ORG"); });
    QPushButton* run = on.button("RUN");

    const std::vector<Program> programs = {
        {"0.5 s", {5}, runs},
        {"5 s", {50}, std::max(1, runs / 2)},
        {"30 s", {100, 100, 100}, 1},
    };
    std::printf("sim: mivo-sim child process on %s, paced at 19200 baud both ways\n",
                qPrintable(on.device));
    std::printf("cycle time, RUN on the direct screen, from \"@RUN\" written to \"END\" arrived\n");
    std::printf("  %-8s %10s %12s %10s %10s  %s\n", "program", "own ms", "measured ms", "diff ms",
                "goal ms", "");
    bool allTimed = true;
    for (const Program& p : programs) {
        mivo::bench::DirectOnLine::onFiber([&] { Write(line, p); });
        const std::int64_t own = OwnTime(p);
        const double goal = std::max(20.0, 0.01 * static_cast<double>(own));
        for (int i = 0; i < p.runs; ++i) {
            const int before = session.cycleTiming.statistics().count;
            QTest::mouseClick(run, Qt::LeftButton);
            mivo::bench::DirectOnLine::settle();  // the run's END
            if (session.cycleTiming.statistics().count != before + 1) {
                std::printf("  %-8s run %d was not timed\n", p.name, i + 1);
                allTimed = false;
                continue;
            }
            const std::int64_t measured = session.cycleTiming.statistics().last;
            const std::int64_t diff = measured - own;
            std::printf("  %-8s %10lld %12lld %+10lld %10.0f  %s\n", p.name,
                        static_cast<long long>(own), static_cast<long long>(measured),
                        static_cast<long long>(diff), goal,
                        std::abs(static_cast<double>(diff)) <= goal ? "within" : "OUTSIDE");
        }
    }

    // Programs that move: the run against the estimate, by the simulator's parameters (robot
    // 22's initial values), each run from the origin.
    std::printf("programs that move: the run against the estimate before it\n");
    std::printf("  %-8s %12s %12s %10s\n", "program", "estimate ms", "measured ms", "diff %");
    const mivo::ParameterTable parameters;
    const mivo::EstimateSetting setting =
        mivo::SettingFromParameters([&](int n) { return parameters.value(n); });
    for (int which = 0; which < 2; ++which) {
        mivo::StepTable table = Moving(which);
        mivo::bench::DirectOnLine::onFiber([&] {
            mivo::HeadlessTransferView view;
            std::vector<std::string> log;
            mivo::ProcedureContext ctx{line, on.prompter, view, log};
            mivo::SendSteps(ctx, mivo::StepTarget{table}, "0", "999");
            line.request("@ORG");
        });
        const double estimate = mivo::EstimateCycle(table, setting).seconds * 1000;
        const int before = session.cycleTiming.statistics().count;
        QTest::mouseClick(run, Qt::LeftButton);
        mivo::bench::DirectOnLine::settle();
        if (session.cycleTiming.statistics().count != before + 1) {
            std::printf("  moving %d was not timed\n", which + 1);
            allTimed = false;
            continue;
        }
        const double measured = static_cast<double>(session.cycleTiming.statistics().last);
        const double diff = 100 * (measured - estimate) / estimate;
        std::printf("  moving %d %12.0f %12.0f %+10.2f  %s\n", which + 1, estimate, measured, diff,
                    std::abs(diff) <= 1 ? "within" : "OUTSIDE");
    }

    // The 5 s program as five one-second timers, with the monitor on: the steps it lists.
    const Program steps{"5 x 1 s", {10, 10, 10, 10, 10}, 1};
    mivo::bench::DirectOnLine::onFiber([&] { Write(line, steps); });
    // The monitor runs on: RUN is clicked while it scans, and the monitor ended once the run is
    // timed (or after 20 s).
    const int before = session.cycleTiming.statistics().count;
    QTimer::singleShot(500, run, [run] { QTest::mouseClick(run, Qt::LeftButton); });
    QTimer watch;
    int waited = 0;
    QObject::connect(&watch, &QTimer::timeout, run, [&] {
        if (session.cycleTiming.statistics().count > before || ++waited > 400) {
            watch.stop();
            QTest::mouseClick(on.button("monistart"), Qt::LeftButton);
        }
    });
    watch.start(50);
    QTest::mouseClick(on.button("monistart"), Qt::LeftButton);
    mivo::bench::DirectOnLine::settle();  // the monitor ended
    if (session.cycleTiming.statistics().count == before) {
        std::printf("  the monitored run was not timed\n");
        return 1;
    }
    std::printf("with the monitor on, %s (own %lld ms): measured %lld ms; slowest steps:\n",
                steps.name, static_cast<long long>(OwnTime(steps)),
                static_cast<long long>(session.cycleTiming.statistics().last));
    for (const mivo::StepTime& t : session.cycleTiming.slowestSteps(5))
        std::printf("  step %s  %6lld ms  %3.0f %%\n", t.step.c_str(),
                    static_cast<long long>(t.milliseconds), 100 * t.share);
    std::printf("  (to one monitor scan: about 0.3 s at 19200 baud)\n");
    if (!shot.isEmpty()) {
        QWidget* group = screen->findChild<QWidget*>("CycleTime");
        for (QWidget* w = group; w; w = w->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(w)) area->ensureWidgetVisible(group);
        QApplication::processEvents();
        screen->grab().save(shot);
    }
    return allTimed ? 0 : 1;
}
