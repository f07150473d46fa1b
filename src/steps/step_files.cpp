#include "steps/step_files.h"

#include "steps/step_file_io.h"
#include "steps/step_zeb.h"

namespace mivo {

namespace {

constexpr const char* kOverwriteQuestion = "File of the same name exists.  Overwrite?";
constexpr const char* kSaveQuestionCaption = "Program save";
constexpr const char* kSaveCaption = "Save";
constexpr const char* kSaved = "Saved";
constexpr const char* kOpenCaption = "Open";
constexpr const char* kCompleted = "Completed";
constexpr const char* kCannotOpen = "File cannot be open";

bool EndsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && std::string_view(s).substr(s.size() - tail.size()) == tail;
}

const char* SaveExtension(int filter) {
    switch (filter) {
        case SaveStp:
            return ".stp";
        case SaveCsv:
            return ".csv";
        default:
            return nullptr;
    }
}

const char* OpenExtension(int filter, bool upper) {
    switch (filter) {
        case OpenStp:
            return upper ? ".STP" : ".stp";
        case OpenCrd:
            return upper ? ".CRD" : ".crd";
        case OpenCsv:
            return upper ? ".CSV" : ".csv";
        default:
            return nullptr;
    }
}

void AppendLine(const StepRow& row, std::string& out) {
    for (int f = 0; f < kStepFieldCount; ++f) {
        if (f > 0) out += ',';
        out += row[f];
    }
}

}  // namespace

std::vector<std::string> StepFileLines(const StepTable& table) {
    std::vector<std::string> lines;
    lines.reserve(kStepCount);
    for (int s = 0; s < kStepCount; ++s) {
        std::string line;
        AppendLine(table[s], line);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string StepFileText(const StepTable& table) {
    std::string out;
    out.reserve(64 * kStepCount);
    for (int s = 0; s < kStepCount; ++s) {
        AppendLine(table[s], out);
        out += "\r\n";
    }
    return out;
}

std::string SaveTargetName(const std::string& name, int filter) {
    const char* ext = SaveExtension(filter);
    if (ext == nullptr || EndsWith(name, ext)) return name;
    return name + ext;
}

bool SaveStepFile(const StepTable& table, const std::string& name, int filter, Prompter& prompter) {
    const char* ext = SaveExtension(filter);
    const bool exists = FileExists(name) || (ext != nullptr && FileExists(name + ext));
    if (exists && !prompter.ask(kOverwriteQuestion, kSaveQuestionCaption)) return false;

    const std::string target = SaveTargetName(name, filter);
    std::string reason;
    if (!WriteWholeFile(target, StepFileText(table), reason)) {
        prompter.notify("Cannot write " + target + ": " + reason, kSaveCaption);
        return false;
    }
    prompter.notify(kSaved, kSaveCaption);
    return true;
}

std::string OpenTargetName(const std::string& name, int filter) {
    const char* lower = OpenExtension(filter, false);
    if (lower == nullptr) return name;
    if (EndsWith(name, lower) || EndsWith(name, OpenExtension(filter, true)) || FileExists(name))
        return name;
    return name + lower;
}

bool ConvertStepText(StepTable& table, std::string_view content, Prompter& prompter) {
    table.clear();
    const std::vector<std::string_view> lines = SplitLines(content);
    for (int k = 0; k < kStepCount; ++k) {
        const std::string_view line = static_cast<std::size_t>(k) < lines.size()
                                          ? lines[static_cast<std::size_t>(k)]
                                          : std::string_view();
        // Find the first seven commas before touching the row, so a short line leaves it empty.
        std::size_t commas[kStepFieldCount - 1];
        std::size_t from = 0;
        for (int c = 0; c < kStepFieldCount - 1; ++c) {
            const std::size_t at = line.find(',', from);
            if (at == std::string_view::npos) {
                prompter.notify(kCannotOpen, kOpenCaption);
                return false;
            }
            commas[c] = at;
            from = at + 1;
        }
        StepRow& row = table[k];
        std::size_t start = 0;
        for (int f = 0; f < kStepFieldCount - 1; ++f) {
            row[f].assign(line.substr(start, commas[f] - start));
            start = commas[f] + 1;
        }
        row[FieldComment].assign(line.substr(start));
    }
    return true;
}

OpenOutcome OpenStepFile(StepTable& table, const std::string& name, int filter,
                         Prompter& prompter) {
    const std::string target = OpenTargetName(name, filter);
    std::string content;
    std::string reason;
    if (!ReadWholeFile(target, content, reason)) {
        prompter.notify("Cannot read " + target + ": " + reason, kOpenCaption);
        return OpenOutcome::NotRead;
    }
    const bool completed = filter == OpenCrd ? ConvertZebSteps(table, content, prompter)
                                             : ConvertStepText(table, content, prompter);
    if (!completed) return OpenOutcome::Stopped;
    prompter.notify(kCompleted, kOpenCaption);
    return OpenOutcome::Completed;
}

}  // namespace mivo
