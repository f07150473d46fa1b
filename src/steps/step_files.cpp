#include "steps/step_files.h"

#include <cstdint>

#include "common/readable_text.h"
#include "common/said_text.h"
#include "files/file_io.h"
#include "steps/step_zeb.h"

namespace mivo {

namespace {

constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");
constexpr const char* kCannotOpen = UI_TEXT("Message", "File cannot be open");

void AppendLine(const StepRow& row, std::string& out) {
    for (int f = 0; f < kStepFieldCount; ++f) {
        if (f > 0) out += ',';
        out += row[f];
    }
}

// What is wrong with a file whose line `k` (0-based) has only `commas` commas.
std::string ShapeFault(const std::vector<std::string_view>& lines, int k, int commas) {
    if (lines.empty()) return UI_TEXT("Message", "the file is empty; a step file has 1000 lines");
    const std::string count = std::to_string(lines.size());
    if (static_cast<std::size_t>(k) >= lines.size())
        return Filled(UI_TEXT("Message", "the file ends after line %1; a step file has 1000 lines"),
                      {count});
    const std::string line = QuotedLine(lines[static_cast<std::size_t>(k)]);
    if (commas == 1)
        return Filled(
            UI_TEXT("Message", "line %1 of %2 has 1 comma, a step line has at least 7: %3"),
            {std::to_string(k + 1), count, line});
    return Filled(UI_TEXT("Message", "line %1 of %2 has %3 commas, a step line has at least 7: %4"),
                  {std::to_string(k + 1), count, std::to_string(commas), line});
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

std::string StepProgramHash(const StepTable& table) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : StepFileText(table)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static const char digits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) out[std::size_t(i)] = digits[hash & 0xf];
    return out;
}

const FileKind& StepFileKind() { return Describe(DataKind::Step).files; }

bool SaveStepFile(const StepTable& table, const std::string& name, int filter, Prompter& prompter) {
    return SaveDataFile(StepFileKind(), name, filter, StepFileText(table), prompter);
}

bool ConvertStepText(StepTable& table, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // A line past the last step would be lost at the next save: refused before the table is
    // touched. Empty lines there hold nothing.
    if (const std::size_t k = TrailingLine(lines, kStepCount); k < lines.size()) {
        prompter.notifyDetail(
            kCannotOpen, kOpenCaption,
            TrailingFault(lines, k,
                          UI_TEXT("Message",
                                  "line %1 of %2 follows the last step line, a step "
                                  "file has 1000 lines: %3")));
        return false;
    }
    table.clear();
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
                prompter.notifyDetail(kCannotOpen, kOpenCaption, ShapeFault(lines, k, c));
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
    return OpenDataFile(StepFileKind(), table, name, filter, ConvertStepFile, prompter);
}

bool ConvertStepFile(StepTable& table, int filter, std::string_view content, Prompter& prompter) {
    return filter == OpenCrd ? ConvertZebSteps(table, content, prompter)
                             : ConvertStepText(table, content, prompter);
}

std::vector<std::string> StepListingValues(const StepTable& steps, int first, int last) {
    std::vector<std::string> values;
    for (int s = first; s <= last && s < kStepCount; ++s) {
        std::string line = steps[s][0];
        for (int f = 1; f < kStepFieldCount; ++f) line += "," + steps[s][f];
        values.push_back(std::move(line));
    }
    return values;
}

}  // namespace mivo
