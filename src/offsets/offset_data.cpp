#include "offsets/offset_data.h"

#include <vector>

#include "common/said_text.h"
#include "files/file_io.h"
#include "parameters/parameter_differences.h"
#include "parameters/parameter_files.h"

namespace mivo {

std::size_t OffsetFieldLength(int field) {
    if (field == kOffsetProgramField) return std::to_string(kOffsetPrograms - 1).size();
    return ValueLength(OffsetParameter(0, field));
}

std::string OffsetFieldName(int field) {
    return field == kOffsetProgramField ? "PgmNo." : std::string(1, kAxisLetters[field]);
}

void WriteTaughtOffsets(OffsetData& data, const TeachTexts& taught, const std::string& program) {
    for (int a = 0; a < kAxisCount; ++a) data.values[static_cast<std::size_t>(a)] = taught[a];
    if (!program.empty()) data.program = program;
}

std::vector<int> TaughtOffsetParameters(const std::string& program) {
    if (program.size() != 1 || program[0] < '0' || program[0] >= '0' + kOffsetPrograms) return {};
    const int p = program[0] - '0';
    std::vector<int> numbers;
    for (int a = 0; a < kAxisCount; ++a) numbers.push_back(OffsetParameter(p, a));
    return numbers;
}

std::string OffsetFileText(const OffsetData& data) {
    std::string out = data.program + "\r\n";
    for (const std::string& v : data.values) out += v + "\r\n";
    return out;
}

const FileKind& OffsetFileKind() { return Describe(DataKind::Offset).files; }

bool SaveOffsetFile(const OffsetData& data, const std::string& name, int filter,
                    Prompter& prompter) {
    return SaveDataFile(OffsetFileKind(), name, filter, OffsetFileText(data), prompter);
}

bool ConvertOffsetText(OffsetData& data, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // Line 1 the program number, then the axes.
    const auto field = [](int k) -> std::optional<ValueField> {
        return ValueField{OffsetFieldLength(k - 1), OffsetFieldName(k - 1)};
    };
    const ValueFileTexts texts{
        UI_TEXT("Message", "an offset file has 5, one value a line"),
        UI_TEXT("Message",
                "line %1 of %2 follows the last value line, an offset file has 5 lines: %3")};
    if (!ValueLinesFit(lines, kOffsetFileLines, texts, field, prompter)) return false;
    data.program = std::string(lines[0]);
    for (std::size_t a = 0; a < data.values.size(); ++a) data.values[a] = std::string(lines[a + 1]);
    return true;
}

OpenOutcome OpenOffsetFile(OffsetData& data, const std::string& name, int filter,
                           Prompter& prompter) {
    return OpenDataFile(OffsetFileKind(), data, name, filter, ConvertOffsetFile, prompter);
}

bool ConvertOffsetFile(OffsetData& data, int, std::string_view content, Prompter& prompter) {
    return ConvertOffsetText(data, content, prompter);
}

std::vector<std::string> OffsetListingValues(const OffsetData& offsets) {
    return BlockListingValues(offsets.program, offsets.values);
}

std::vector<Difference> OffsetDifferences(int program, const OffsetData& file,
                                          const OffsetData& controller) {
    return BlockDifferences(DataKind::Offset, "offset", program, file.values, controller.values,
                            OffsetFieldName, OffsetParameter);
}

}  // namespace mivo
