#include "pallets/pallet_data.h"

#include <utility>
#include <vector>

#include "common/convert.h"
#include "common/said_text.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "parameters/parameter_differences.h"
#include "parameters/parameter_files.h"

namespace mivo {

namespace {

constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");
constexpr const char* kCannotOpen = UI_TEXT("Message", "File cannot be open");

// Characters `from` to `to` (from 1) of `line`, as far as the line has them.
std::string Mid(std::string_view line, std::size_t from, std::size_t to) {
    if (from > line.size()) return {};
    return std::string(line.substr(from - 1, to - from + 1));
}

// Where each field stands in a ZEB pallet block: line after the first, characters.
struct ZebField {
    std::size_t line;
    std::size_t from;
    std::size_t to;
};
constexpr ZebField kZebFields[kPalletSentFields] = {
    {0, 6, 11}, {1, 6, 11}, {2, 6, 11}, {3, 6, 11}, {4, 6, 11},
    {6, 6, 11}, {7, 6, 11}, {9, 6, 7},  {10, 6, 7},
};
constexpr std::size_t kZebBlockLines = 11;

}  // namespace

// The teaching screen's field of each taught pallet field, X1 .. Y3.
constexpr TeachField kTaughtFields[] = {TeachX, TeachY, TeachZ, TeachX2, TeachY2, TeachX3, TeachY3};

int PalletCellField(int row, int column) {
    for (int f = 0; f < PalletXPartitions; ++f)
        if (PalletFieldRow(f) == row && PalletFieldColumn(f) == column) return f;
    return -1;
}

const std::string& PalletCell(const PalletData& data, int row, int column) {
    const int f = PalletCellField(row, column);
    if (f >= 0) return data.fields[static_cast<std::size_t>(f)];
    return row == 1 ? data.z2 : data.z3;
}

std::string& PalletCell(PalletData& data, int row, int column) {
    return const_cast<std::string&>(PalletCell(std::as_const(data), row, column));
}

TeachPositions PalletTeachPositions(const PalletData& data) {
    TeachPositions p;
    for (int f = 0; f < PalletXPartitions; ++f)
        p.texts[kTaughtFields[f]] = data.fields[static_cast<std::size_t>(f)];
    p.shown = kTeachFirstPoint | kTeachOtherPoints;
    return p;
}

void WriteTaughtPallet(PalletData& data, const TeachTexts& taught) {
    for (int f = 0; f < PalletXPartitions; ++f)
        data.fields[static_cast<std::size_t>(f)] = taught[kTaughtFields[f]];
}

void PalletData::clearFields() {
    for (std::string& f : fields) f.clear();
    z2.clear();
    z3.clear();
}

std::size_t PalletFieldLength(int field) {
    if (field == kPalletNumberField) return std::to_string(kPalletCount - 1).size();
    return ValueLength(PalletParameter(0, field));
}

const char* PalletFieldName(int field) {
    static const char* const kNames[kPalletSentFields] = {
        "X1", "Y1", "Z1", "X2", "Y2", "X3", "Y3", "X section number", "Y section number"};
    return field == kPalletNumberField ? "PALLET No." : kNames[field];
}

int PalletFieldRow(int field) {
    if (field <= PalletZ1) return 0;
    if (field <= PalletY2) return 1;
    if (field <= PalletY3) return 2;
    return -1;
}

int PalletFieldColumn(int field) {
    if (field <= PalletZ1) return field - PalletX1;
    if (field <= PalletY2) return field - PalletX2;
    if (field <= PalletY3) return field - PalletX3;
    return -1;
}

std::string PalletFileText(const PalletData& data) {
    std::string out = data.number + "\r\n";
    for (const std::string& f : data.fields) out += f + "\r\n";
    return out;
}

const FileKind& PalletFileKind() { return Describe(DataKind::Pallet).files; }

const FileKind& PalletExitFileKind() { return Describe(DataKind::Pallet).closingFiles; }

bool SavePalletFile(const PalletData& data, const std::string& name, int filter, Prompter& prompter,
                    const FileKind& kind) {
    return SaveDataFile(kind, name, filter, PalletFileText(data), prompter);
}

bool ConvertPalletText(PalletData& data, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // Line 1 the number, then the fields.
    const auto field = [](int k) -> std::optional<ValueField> {
        return ValueField{PalletFieldLength(k - 1), PalletFieldName(k - 1)};
    };
    const ValueFileTexts texts{
        UI_TEXT("Message", "a pallet file has 10, one value a line"),
        UI_TEXT("Message",
                "line %1 of %2 follows the last value line, a pallet file has 10 lines: %3")};
    if (!ValueLinesFit(lines, kPalletFileLines, texts, field, prompter)) return false;
    data.clearFields();
    data.number = std::string(lines[0]);
    for (std::size_t f = 0; f < data.fields.size(); ++f) data.fields[f] = std::string(lines[f + 1]);
    return true;
}

bool ConvertZebPallet(PalletData& data, std::string_view content, Prompter& prompter) {
    long pallet = 0;
    try {
        pallet = StrToInt(data.number);
    } catch (const ConversionError& e) {
        prompter.notify(e.what(), kOpenCaption);
        return false;
    }
    const std::vector<std::string_view> lines = SplitLines(content);
    const long first = ZebPalletLine(pallet);
    if (first < 1) {
        prompter.notifyDetail(
            kCannotOpen, kOpenCaption,
            Filled(UI_TEXT("Message", "a ZEB data file has no block for pallet No. %1"),
                   {data.number}));
        return false;
    }
    const std::size_t start = static_cast<std::size_t>(first - 1);
    if (lines.size() < start + kZebBlockLines) {
        prompter.notifyDetail(
            kCannotOpen, kOpenCaption,
            TooFewLines(lines.size(),
                        Filled(UI_TEXT("Message", "pallet No. %1 stands in lines %2 to %3"),
                               {data.number, std::to_string(first),
                                std::to_string(first + kZebBlockLines - 1)})));
        return false;
    }
    data.clearFields();
    for (std::size_t f = 0; f < data.fields.size(); ++f) {
        const ZebField& z = kZebFields[f];
        data.fields[f] = Mid(lines[start + z.line], z.from, z.to);
    }
    return true;
}

bool ConvertPalletFile(PalletData& data, int filter, std::string_view content, Prompter& prompter) {
    return filter == PltOpenCrd ? ConvertZebPallet(data, content, prompter)
                                : ConvertPalletText(data, content, prompter);
}

OpenOutcome OpenPalletFile(PalletData& data, const std::string& name, int filter,
                           Prompter& prompter) {
    return OpenDataFile(PalletFileKind(), data, name, filter, ConvertPalletFile, prompter);
}

std::vector<std::string> PalletListingValues(const PalletData& pallet) {
    return BlockListingValues(pallet.number, pallet.fields);
}

std::vector<Difference> PalletDifferences(int number, const PalletData& file,
                                          const PalletData& controller) {
    return BlockDifferences(DataKind::Pallet, "pallet", number, file.fields, controller.fields,
                            PalletFieldName, PalletParameter);
}

}  // namespace mivo
