#include "offsets/offset_data.h"

#include <vector>

#include "files/file_io.h"
#include "parameters/parameter_files.h"
#include "parameters/parameter_rules.h"

namespace mivo {

std::size_t OffsetFieldLength(int field) {
    if (field == kOffsetProgramField) return std::to_string(kOffsetPrograms - 1).size();
    return ValueLength(OffsetParameter(0, field));
}

std::string OffsetFieldName(int field) {
    return field == kOffsetProgramField ? "PgmNo." : std::string(1, kAxisLetters[field]);
}

std::string OffsetFileText(const OffsetData& data) {
    std::string out = data.program + "\r\n";
    for (const std::string& v : data.values) out += v + "\r\n";
    return out;
}

const FileKind& OffsetFileKind() {
    static const FileKind kind = [] {
        // Overwrite questions and texts as for parameter files.
        FileKind k = ParameterFileKind();
        k.saveFilters = {
            {"MIVO offset file(*.off)", ".off"}, {"CSV file(*.csv)", ".csv"}, {"All(*.*)", ""}};
        k.openFilters = k.saveFilters;
        k.saveQuestion = "Data will be saved. OK?";
        k.unsavedQuestion = "Is data saved?";
        k.questionCaption = "Offset contents";
        k.openCompleted = {"Complete", "Complete", "Complete"};
        return k;
    }();
    return kind;
}

bool SaveOffsetFile(const OffsetData& data, const std::string& name, int filter,
                    Prompter& prompter) {
    return SaveDataFile(OffsetFileKind(), name, filter, OffsetFileText(data), prompter);
}

bool ConvertOffsetText(OffsetData& data, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    if (lines.size() < static_cast<std::size_t>(kOffsetFileLines)) {
        prompter.notifyDetail("File cannot be open", "Open",
                              "the file has " + std::to_string(lines.size()) +
                                  (lines.size() == 1 ? " line" : " lines") +
                                  "; an offset file has 5, one value a line");
        return false;
    }
    // Line 1 the program number, then the axes.
    for (int k = 0; k < kOffsetFileLines; ++k) {
        const int field = k - 1;
        const std::string refusal = FileValueRefusal(
            lines[static_cast<std::size_t>(k)], OffsetFieldLength(field), OffsetFieldName(field));
        if (!refusal.empty()) {
            prompter.notifyDetail("File cannot be open", "Open",
                                  "line " + std::to_string(k + 1) + ": " + refusal);
            return false;
        }
    }
    data.program = std::string(lines[0]);
    for (std::size_t a = 0; a < data.values.size(); ++a) data.values[a] = std::string(lines[a + 1]);
    return true;
}

OpenOutcome OpenOffsetFile(OffsetData& data, const std::string& name, int filter,
                           Prompter& prompter) {
    return OpenDataFile(
        OffsetFileKind(), name, filter,
        [&data](int, std::string_view content, Prompter& p) {
            return ConvertOffsetText(data, content, p);
        },
        prompter);
}

}  // namespace mivo
