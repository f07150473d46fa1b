#include "parameters/parameter_zeb.h"

#include <iterator>
#include <string>
#include <vector>

#include "common/convert.h"
#include "common/said_text.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "parameters/parameter_rules.h"

namespace mivo {

namespace {

constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");
constexpr const char* kCannotOpen = UI_TEXT("Message", "File cannot be open");
constexpr std::size_t kFirstLine = 1002;  // counted from 1
constexpr std::size_t kLastLine = 1011;
constexpr const char* kLeadText = "6";

// One field of the block: line and characters counted from 1.
struct ZebField {
    std::size_t line;
    std::size_t from;
    std::size_t to;
    double factor;  // 0: the text as it stands
    int parameter;
};

constexpr ZebField kFields[] = {
    {1002, 8, 11, 2, PrmXMaxSpeed},       {1003, 8, 11, 2, PrmXMaxSpeed + 1},
    {1004, 8, 11, 2, PrmXMaxSpeed + 2},   {1005, 8, 11, 2, PrmXMaxSpeed + 3},
    {1006, 11, 14, 0.45, PrmLinearSpeed}, {1007, 8, 11, 0, PrmXAccelerate},
    {1008, 8, 11, 0, PrmXAccelerate + 1}, {1009, 8, 11, 0, PrmXAccelerate + 2},
    {1010, 8, 11, 0, PrmXAccelerate + 3}, {1011, 4, 7, 0, PrmVirtualOrigin},
};

// Where a field stands, for a message: "line 1006, characters 11 to 14".
std::string Place(const ZebField& f) {
    return Filled(UI_TEXT("Message", "line %1, characters %2 to %3"),
                  {std::to_string(f.line), std::to_string(f.from), std::to_string(f.to)});
}

// Characters `from` to `to` of `line`, as far as the line has them.
std::string Mid(std::string_view line, std::size_t from, std::size_t to) {
    if (from > line.size()) return {};
    return std::string(line.substr(from - 1, to - from + 1));
}

}  // namespace

bool ConvertZebParameters(ParameterTable& table, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // Messages as for a parameter file: what is wrong, in the detail that names the file.
    if (lines.size() < kLastLine) {
        prompter.notifyDetail(
            kCannotOpen, kOpenCaption,
            TooFewLines(lines.size(),
                        Filled(UI_TEXT("Message",
                                       "the parameters of a ZEB data file stand in lines %1 to %2"),
                               {std::to_string(kFirstLine), std::to_string(kLastLine)})));
        return false;
    }
    // Every text first, so that a bad field leaves the table as it was.
    std::string texts[std::size(kFields)];
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const ZebField& f = kFields[i];
        texts[i] = Mid(lines[f.line - 1], f.from, f.to);
        if (f.factor != 0) {
            try {
                // A fixed-width field: blanks may stand before or after the number.
                const std::string number = texts[i].substr(0, texts[i].find_last_not_of(' ') + 1);
                texts[i] = FloatToStr(StrToFloat(number) * f.factor);
            } catch (const ConversionError& e) {
                prompter.notifyDetail(e.what(), kOpenCaption, Place(f));
                return false;
            }
        }
        // A product may come out longer than the parameter's field ("9999" x 0.45).
        const std::string refusal = FileValueRefusal(texts[i], ValueLength(f.parameter),
                                                     ParameterCatalogue(f.parameter).name);
        if (!refusal.empty()) {
            prompter.notifyDetail(kCannotOpen, kOpenCaption, Labelled(Place(f), refusal));
            return false;
        }
    }
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        table.setValue(kFields[i].parameter, std::move(texts[i]));
    for (int axis = 0; axis < kAxisCount; ++axis) table.setValue(PrmXLead + axis, kLeadText);
    return true;
}

}  // namespace mivo
