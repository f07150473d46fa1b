// bench_compare: Compare with controller in the real step and parameter editors (offscreen) on
// mivo-sim running with --pace (19200 baud both ways). A 1000-step program is quick-sent, then
// compared with one step changed and with every step changed, and the parameters compared:
// each time from the read's last reply to the list shown. Then the one changed step ticked and
// sent by Send selected, and for reference a quick send of 50 steps. Asserts nothing on time;
// exits 1 when a transfer fails or a list is not what the data make it. Goals: the list within
// 1 s of the last read, one step sent by Send selected in under 0.3 s.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <functional>

#include "../sim_process.h"
#include "../step_program.h"
#include "app/create_screens.h"
#include "link/controller_link.h"
#include "parameters/parameter_editor.h"
#include "shell/compare_panel.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every question answered Yes; a notice or controller error that tells of a failure printed.
class BenchPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    void notify(const std::string& text, const std::string& caption) override {
        if (text.ends_with("is completed")) return;
        std::printf("  %s: %s\n", caption.c_str(), text.c_str());
        failed = true;
    }
    void showControllerError(const std::string& line) override {
        std::printf("  Error display: %s\n", line.c_str());
        failed = true;
    }
    bool failed = false;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The panel's list painted, as the user sees it.
void Paint(mivo::ComparePanel* panel) {
    if (!panel) return;
    panel->findChild<QListWidget*>("CompareList")->viewport()->repaint();
    QApplication::processEvents();
}

// Runs `compare` and gives its listing time: from the read's last reply to the list painted.
double Listing(mivo::ControllerLink& link, const std::function<mivo::ComparePanel*()>& compare,
               double& whole) {
    const Clock::time_point start = Clock::now();
    mivo::ComparePanel* panel = compare();
    Paint(panel);
    const Clock::time_point end = Clock::now();
    whole = Seconds(start, end);
    return Seconds(link.lastLineEnd(), end);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QProcess sim;
    const QString device = mivo::bench::StartSimulator(sim, {"--pace"});
    if (device.isEmpty()) return 1;
    BenchPrompter prompter;
    mivo::CreatedScreens screens;
    const std::unique_ptr<mivo::ScreenSet> set = mivo::createScreens(screens, &prompter);
    mivo::ControllerLink& link = *screens.tbuff;
    link.setDeviceForPort(1, device);
    auto* steps = static_cast<mivo::StepEditor*>(screens.tmmain);
    auto* parameters = static_cast<mivo::ParameterEditor*>(screens.tparameter);
    steps->show();
    steps->findChild<QPushButton*>("linemonitor")->click();
    bool ok = link.isOnline();
    std::printf("sim: mivo-sim child process on %s, paced at 19200 baud both ways\n",
                qPrintable(device));

    mivo::StepTable& table = steps->table();
    table = mivo::bench::Program(1000);
    steps->tableReplaced();
    if (ok) steps->quickSendSteps();
    ok = ok && !prompter.failed;

    const auto panelLines = [](mivo::ComparePanel* panel) {
        return panel ? static_cast<int>(panel->lines().size()) : -1;
    };
    const auto compareSteps = [&] {
        steps->comparison().compareWithController();
        return steps->comparison().panel();
    };
    std::printf("%-36s %7s %10s %10s\n", "compare", "listed", "listing s", "whole s");
    const int changed = 500;  // a move
    table[changed][mivo::FieldX] = "1.25";
    steps->stepsChanged(changed, changed);
    double whole = 0;
    double listing = ok ? Listing(link, compareSteps, whole) : 0;
    double worstListing = listing;
    const int oneListed = panelLines(steps->comparison().panel());
    std::printf("%-36s %7d %10.3f %10.3f\n", "1000 steps, one changed", oneListed, listing, whole);
    ok = ok && oneListed == 1 && !prompter.failed;

    // Send selected: the one changed step ticked.
    double sendSelected = 0;
    if (ok) {
        mivo::ComparePanel* panel = steps->comparison().panel();
        panel->findChild<QListWidget*>("CompareList")->item(0)->setCheckState(Qt::Checked);
        const Clock::time_point start = Clock::now();
        panel->findChild<QPushButton*>("CompareSend")->click();
        Paint(panel);
        sendSelected = Seconds(start, Clock::now());
        ok = panelLines(panel) == 0 && !prompter.failed;
    }

    // Every move changed (POI, LIN, PAL): the longest list.
    int moves = 0;
    for (int s = 0; s < mivo::kStepCount; ++s) {
        const std::string& command = table[s][mivo::FieldCommand];
        if (command != "POI" && command != "LIN" && command != "PAL") continue;
        table[s][mivo::FieldR] = "7.00";
        ++moves;
    }
    steps->tableReplaced();
    listing = ok ? Listing(link, compareSteps, whole) : 0;
    worstListing = std::max(worstListing, listing);
    const int allListed = panelLines(steps->comparison().panel());
    std::printf("%-36s %7d %10.3f %10.3f\n", "1000 steps, every move changed", allListed, listing,
                whole);
    ok = ok && allListed > 0 && allListed == moves && !prompter.failed;

    // Every one of the 44 parameters changed in the editor.
    parameters->show();
    parameters->writeFromController(
        [](const mivo::ParameterTarget& target) {
            for (int n = 0; n < 44; ++n) target.table.setValue(n, std::to_string(n + 100));
        },
        "Bench");
    listing = ok ? Listing(
                       link,
                       [&] {
                           parameters->compareWithController();
                           return parameters->comparePanel();
                       },
                       whole)
                 : 0;
    worstListing = std::max(worstListing, listing);
    std::printf("%-36s %7d %10.3f %10.3f\n", "44 parameters, each changed",
                panelLines(parameters->comparePanel()), listing, whole);
    ok = ok && panelLines(parameters->comparePanel()) > 0 && !prompter.failed;

    // For reference: the whole program of 50 steps by Quick send.
    table = mivo::bench::Program(50);
    steps->tableReplaced();
    const Clock::time_point start = Clock::now();
    if (ok) steps->quickSendSteps();
    const double quick = Seconds(start, Clock::now());
    ok = ok && !prompter.failed;

    std::printf("%-36s %18.3f s  (goal < 0.3 s)\n", "Send selected, one changed step",
                sendSelected);
    std::printf("%-36s %18.3f s  (reference)\n", "Quick send, 50 steps", quick);
    std::printf("%s   (goal: each list within 1 s of the last read, worst %.3f s)\n",
                ok ? "lists and sends as expected" : "FAILED", worstListing);
    link.goOffline();
    mivo::bench::StopSimulator(sim);
    return ok ? 0 : 1;
}
