// Open (read and convert) and save (write to disk, flushed, renamed) of a full 1000-step file.
// Prints the median and the slowest of each over the runs; the goal is under 5 ms each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "steps/step_files.h"

namespace {

// Answers Yes (the file exists after the first save) and stays silent.
class QuietPrompter : public mivo::Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    void notify(const std::string&, const std::string&) override {}
    void showControllerError(const std::string&) override {}
};

mivo::StepTable FullTable() {
    mivo::StepTable t;
    for (int s = 0; s < mivo::kStepCount; ++s) {
        const std::string n = std::to_string(s);
        t[s].fields = {"POI",   "050", n + ".00",      "-" + n + ".50",
                       "12.25", "0",   s % 7 ? "" : n, "comment of step " + n + ", with a comma"};
    }
    return t;
}

struct Figures {
    double median;
    double slowest;
};

template <typename F>
Figures Measure(int runs, F&& f) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::string dir = (std::filesystem::temp_directory_path() / "bench-steps-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = dir + "/full.stp";
    const mivo::StepTable table = FullTable();
    QuietPrompter prompter;
    bool ok = true;

    const Figures save =
        Measure(runs, [&] { ok = mivo::SaveStepFile(table, path, mivo::SaveStp, prompter) && ok; });
    mivo::StepTable back;
    const Figures open = Measure(runs, [&] {
        ok = mivo::OpenStepFile(back, path, mivo::OpenStp, prompter) ==
                 mivo::OpenOutcome::Completed &&
             ok;
    });
    const auto bytes = std::filesystem::file_size(path);
    std::filesystem::remove_all(dir);
    if (!ok || !(back == table)) {
        std::fprintf(stderr, "bench_step_files: round trip failed\n");
        return 1;
    }
    std::printf("step file of 1000 steps (%ju bytes), %d runs, goal < 5 ms\n",
                static_cast<std::uintmax_t>(bytes), runs);
    std::printf("  open  median %.3f ms  slowest %.3f ms\n", open.median, open.slowest);
    std::printf("  save  median %.3f ms  slowest %.3f ms (with fsync)\n", save.median,
                save.slowest);
    return 0;
}
