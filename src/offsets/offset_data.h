#pragma once
// The four offsets of one program as the offset editor holds them, their ".off"/CSV file
// (5 lines) and the offset kind of data file for the shared save and open procedures.
// OffsetModified is the editor's.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "common/teach_positions.h"
#include "files/data_files.h"
#include "files/data_kind.h"
#include "files/difference.h"
#include "files/file_kind.h"
#include "parameters/parameter_catalogue.h"

namespace mivo {

inline constexpr int kOffsetFileLines = 1 + kAxisCount;
inline constexpr const char* kOffsetInitial = "0.00";

struct OffsetData {
    std::string program = "0";  // "PgmNo." as typed
    std::array<std::string, kAxisCount> values = {kOffsetInitial, kOffsetInitial, kOffsetInitial,
                                                  kOffsetInitial};  // X Y Z R
    bool operator==(const OffsetData&) const = default;
};

// The program number where a field is meant: "PgmNo.".
inline constexpr int kOffsetProgramField = -1;
// The most characters an offset (axis 0..3) or the program number ("0" to "5") may hold, and
// its name as the screen labels it ("X" .. "R", "PgmNo.").
std::size_t OffsetFieldLength(int field);
std::string OffsetFieldName(int field);

// Offset teaching's "OK": X, Y, Z, R from the taught X, Y, Z, R (the values read back from the
// controller, where it gave them) and the program number the controller reported; an empty
// number keeps the one there.
void WriteTaughtOffsets(OffsetData& data, const TeachTexts& taught, const std::string& program);
// The parameters a program's taught offsets are read back from: 100 + 4 x program to + 3. None
// for a number that is no program 0 to 5.
std::vector<int> TaughtOffsetParameters(const std::string& program);

// Save and open dialog filters alike: 1 ".off", 2 ".csv", 3 "All".
enum OffFilter : int { OffFilterOff = 1, OffFilterCsv = 2, OffFilterAll = 3 };

// The whole file content as written: the program number and X, Y, Z, R, each ended by CR LF.
std::string OffsetFileText(const OffsetData& data);

// The offset files' description for the save and open procedures (the editor's and the one
// the start screen runs when the program closes).
const FileKind& OffsetFileKind();

bool SaveOffsetFile(const OffsetData& data, const std::string& name, int filter,
                    Prompter& prompter);

// Line 1 the program number, lines 2 to 5 X, Y, Z, R. Fewer than 5 lines, a line after the 5th
// that is not empty, or a line longer than its field holds, are refused whole: "File cannot be
// open" (caption "Open") with the line count, or the line and the field, in its detail; `data` is
// left exactly as it was and false returned.
bool ConvertOffsetText(OffsetData& data, std::string_view content, Prompter& prompter);
// The conversion of an opened file: the text conversion for every filter.
bool ConvertOffsetFile(OffsetData& data, int filter, std::string_view content, Prompter& prompter);

OpenOutcome OpenOffsetFile(OffsetData& data, const std::string& name, int filter,
                           Prompter& prompter);

// The offsets as a listing prints them: the program number and its four values.
std::vector<std::string> OffsetListingValues(const OffsetData& offsets);

// The offsets of program `program` whose texts differ ("offset 2 Y"), in axis order.
std::vector<Difference> OffsetDifferences(int program, const OffsetData& file,
                                          const OffsetData& controller);

}  // namespace mivo
