#include "parameters/parameter_files.h"

#include "common/convert.h"
#include "common/said_text.h"
#include "files/file_io.h"
#include "parameters/parameter_rules.h"
#include "parameters/parameter_zeb.h"

namespace mivo {

namespace {

constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");
constexpr const char* kCannotOpen = UI_TEXT("Message", "File cannot be open");

// The reserved parameters have no value to file, whatever the table holds.
std::string_view FiledValue(const ParameterTable& table, int n) {
    return ParameterHasName(n) ? std::string_view(table.value(n)) : std::string_view();
}

}  // namespace

std::vector<std::string> ParameterFileLines(const ParameterTable& table) {
    std::vector<std::string> lines;
    lines.reserve(kEditableParameterCount);
    for (int n = 0; n < kEditableParameterCount; ++n) lines.emplace_back(FiledValue(table, n));
    return lines;
}

std::string ParameterFileText(const ParameterTable& table) {
    std::string out;
    for (int n = 0; n < kEditableParameterCount; ++n) {
        out += FiledValue(table, n);
        out += "\r\n";
    }
    return out;
}

const FileKind& ParameterFileKind() { return Describe(DataKind::Parameter).files; }

bool SaveParameterFile(const ParameterTable& table, const std::string& name, int filter,
                       Prompter& prompter) {
    return SaveDataFile(ParameterFileKind(), name, filter, ParameterFileText(table), prompter);
}

bool ValueLinesFit(const std::vector<std::string_view>& lines, int count,
                   const ValueFileTexts& texts,
                   const std::function<std::optional<ValueField>(int)>& field, Prompter& prompter) {
    const auto refuse = [&](const std::string& detail) {
        prompter.notifyDetail(kCannotOpen, kOpenCaption, detail);
        return false;
    };
    if (lines.size() < static_cast<std::size_t>(count))
        return refuse(TooFewLines(lines.size(), texts.expected));
    // A line past the last value would be lost at the next save. Empty lines hold nothing.
    if (const std::size_t k = TrailingLine(lines, static_cast<std::size_t>(count));
        k < lines.size())
        return refuse(TrailingFault(lines, k, texts.trailing));
    for (int k = 0; k < count; ++k) {
        const std::optional<ValueField> f = field(k);
        if (!f) continue;
        const std::string refusal =
            FileValueRefusal(lines[static_cast<std::size_t>(k)], f->length, f->name);
        if (!refusal.empty())
            return refuse(
                Filled(UI_TEXT("Message", "line %1: %2"), {std::to_string(k + 1), refusal}));
    }
    return true;
}

bool ConvertParameterText(ParameterTable& table, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // Refused whole: a value missing from the file never empties the one the table holds, and a
    // parameter of a megabyte is no parameter. The reserved lines are not read.
    const auto field = [](int n) -> std::optional<ValueField> {
        if (!ParameterHasName(n)) return std::nullopt;
        return ValueField{ValueLength(n), ParameterCatalogue(n).name};
    };
    const ValueFileTexts texts{
        UI_TEXT("Message", "a parameter file has 44, one value a line"),
        UI_TEXT("Message",
                "line %1 of %2 follows the last value line, a parameter file has 44 lines: %3")};
    if (!ValueLinesFit(lines, kEditableParameterCount, texts, field, prompter)) return false;
    for (int n = 0; n < kEditableParameterCount; ++n)
        table.setValue(n, ParameterHasName(n) ? std::string(lines[static_cast<std::size_t>(n)])
                                              : std::string());
    return true;
}

bool ConvertParameterFile(ParameterTable& table, int filter, std::string_view content,
                          Prompter& prompter) {
    const bool converted = filter == PrmOpenCrd ? ConvertZebParameters(table, content, prompter)
                                                : ConvertParameterText(table, content, prompter);
    if (!converted) return false;
    try {
        InitialValuesByRobot(table);
    } catch (const ConversionError& e) {
        prompter.notify(e.what(), kOpenCaption);
        return false;
    }
    return true;
}

OpenOutcome OpenParameterFile(ParameterTable& table, const std::string& name, int filter,
                              Prompter& prompter) {
    return OpenDataFile(ParameterFileKind(), table, name, filter, ConvertParameterFile, prompter);
}

}  // namespace mivo
