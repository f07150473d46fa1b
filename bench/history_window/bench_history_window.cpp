// Fills a history file with 100,000 runs (three programs, each its own cycle with noise, every
// tenth run with its 20 step times, an error now and then), then times the run history window:
// from made to shown with every row (goal: 300 ms), a change of the program filter, and the
// chart's repaint into a pixmap the chart's size in the window (goal: 16 ms), median and 99th
// percentile. Prints its figures and asserts nothing.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "common/prompter.h"
#include "history/history_window.h"
#include "history/run_chart.h"
#include "history/run_history.h"

namespace {

class QuietPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    void notify(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    void showControllerError(const std::string&) override {}
};

double Ms(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

struct Figures {
    double median, p99, slowest;
};

Figures Of(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)], ms.back()};
}

void Fill(const std::filesystem::path& file, int count) {
    mivo::RunHistory history(file,
                             [](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 40.0);
    const int programs[] = {0, 1, 3};
    const double cycles[] = {12400, 8100, 20500};
    std::int64_t start = 1767225600000;  // 2026-01-01
    for (int i = 0; i < count; ++i) {
        const int p = i % 7 < 4 ? 0 : i % 7 < 6 ? 1 : 2;
        mivo::RunRecord run;
        run.startMs = start;
        run.program = programs[p];
        run.robot = 22;
        run.host = i % 2 ? "mivo" : "mivo-editor";
        run.programHash = "program-" + std::to_string(run.program) + (i < count / 2 ? "-a" : "-b");
        if (i % 97 == 0) {
            run.result = mivo::RunResult::Error;
            run.errorCode = "12";
            run.endMs = start + 3000;
        } else {
            run.cycleMs = std::int64_t(cycles[p] + noise(random));
            run.endMs = start + *run.cycleMs;
            if (i % 10 == 0)
                for (int s = 0; s < 20; ++s)
                    run.steps.push_back({s, double(*run.cycleMs) / 20000.0});
        }
        history.record(run);
        start += std::int64_t(cycles[p]) + 2000;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100000;
    std::string dir = (std::filesystem::temp_directory_path() / "bench-history-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path file = std::filesystem::path(dir) / "history.sqlite";
    QElapsedTimer timer;
    timer.start();
    Fill(file, count);
    std::printf("history of %d runs filled in %.1f s (%ju bytes)\n", count, Ms(timer) / 1000,
                static_cast<std::uintmax_t>(std::filesystem::file_size(file)));

    QuietPrompter prompter;
    std::vector<double> opens;
    std::size_t rows = 0;
    for (int k = 0; k < 5; ++k) {
        timer.restart();
        mivo::HistoryWindow window(file, prompter);
        window.show();
        QApplication::processEvents();
        opens.push_back(Ms(timer));
        rows = window.shownRuns().size();
    }
    const Figures open = Of(opens);
    std::printf(
        "window made to shown with %zu rows, 5 times: first %.1f ms, median %.1f ms, "
        "slowest %.1f ms (goal 300 ms)\n",
        rows, opens.front(), open.median, open.slowest);
    // The part of it that is the history's own read.
    std::vector<double> reads;
    for (int k = 0; k < 5; ++k) {
        mivo::RunHistory history(file);
        timer.restart();
        rows = history.runs().size();
        reads.push_back(Ms(timer));
    }
    std::printf("  of which RunHistory::runs() of %zu runs, 5 times: median %.1f ms\n", rows,
                Of(reads).median);

    mivo::HistoryWindow window(file, prompter);
    window.show();
    QApplication::processEvents();
    auto* program = window.findChild<QComboBox*>("HistoryProgram");
    std::vector<double> filters;
    for (int k = 0; k < 10; ++k) {
        timer.restart();
        program->setCurrentIndex(k % 2 ? 0 : 1);
        QApplication::processEvents();
        filters.push_back(Ms(timer));
    }
    const Figures filter = Of(filters);
    std::printf("program filter changed (all <-> P0), 10 times: median %.1f ms, slowest %.1f ms\n",
                filter.median, filter.slowest);

    mivo::RunChart* chart = window.chart();
    for (int shown : {0, 1}) {
        program->setCurrentIndex(shown);
        QApplication::processEvents();
        QPixmap pixmap(chart->size());
        std::vector<double> paints;
        for (int k = 0; k < 300; ++k) {
            timer.restart();
            chart->render(&pixmap);
            paints.push_back(Ms(timer));
        }
        const Figures paint = Of(paints);
        std::printf(
            "chart repaint %dx%d, %zu runs charted (%zu beyond the limits), 300 times: "
            "median %.2f ms, p99 %.2f ms, slowest %.2f ms (goal 16 ms)\n",
            chart->width(), chart->height(), chart->chart().seconds.size(),
            chart->chart().outside.size(), paint.median, paint.p99, paint.slowest);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
