#pragma once
// Parameter files: the ".prm"/CSV text (44 lines, line k the value of parameter k - 1), the
// parameter kind of data file for the shared save and open procedures, and the conversion of an
// opened file. The ZEB import is in parameter_zeb.h. ParameterModified is the editor's.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "files/data_files.h"
#include "files/data_kind.h"
#include "files/file_kind.h"
#include "parameters/parameter_table.h"

namespace mivo {

// Save dialog filters: 1 ".prm", 2 ".csv", 3 "All". Open dialog filters: 1 ".prm", 2 ".crd"
// (ZEB), 3 ".csv", 4 "All".
enum PrmSaveFilter : int { PrmSavePrm = 1, PrmSaveCsv = 2, PrmSaveAll = 3 };
enum PrmOpenFilter : int { PrmOpenPrm = 1, PrmOpenCrd = 2, PrmOpenCsv = 3, PrmOpenAll = 4 };

// The 44 lines of a parameter file (no line end): the values of 0..43 as held; the lines of
// the reserved 3 and 5 are empty.
std::vector<std::string> ParameterFileLines(const ParameterTable& table);

// The whole file content as written: the 44 lines, each ended by CR LF.
std::string ParameterFileText(const ParameterTable& table);

// The parameter files' description for the shared save and open procedures.
const FileKind& ParameterFileKind();

// Save after the file dialog, through the shared save procedure.
bool SaveParameterFile(const ParameterTable& table, const std::string& name, int filter,
                       Prompter& prompter);

// Text conversion of a ".prm"/CSV content: line k (1 to 44) becomes the value of parameter
// k - 1 (the reserved 3 and 5 stay empty). A content of fewer than 44 lines, a line after the
// 44th that is not empty, or a value longer than its parameter holds (ValueLength), is refused
// whole: "File cannot be open" (caption "Open") with the line count, or the line and the parameter,
// in its detail, which the open procedure prefixes with the file's name; the table is left exactly
// as it was and false returned.
bool ConvertParameterText(ParameterTable& table, std::string_view content, Prompter& prompter);

// How a file of one value a line is told wrong: what it holds ("a pallet file has 10, one value a
// line"), and a line after its last (TrailingFault's text).
struct ValueFileTexts {
    const char* expected;
    const char* trailing;
};
// The lines of a file of one value a line (parameter, pallet and offset files), checked whole
// before anything is taken: fewer than `count` lines are refused with the file's line count and
// what it holds, a line after the last that is not empty (it would be lost at the next save), and
// the first line whose value its field cannot hold (FileValueRefusal), named by its line.
// `field(k)` gives line k's (0-based) field length and name, nullopt for a line that is not read.
// The refusal is "File cannot be open" (caption "Open") with the reason as its detail; true when
// every line fits.
struct ValueField {
    std::size_t length;
    std::string name;
};
bool ValueLinesFit(const std::vector<std::string_view>& lines, int count,
                   const ValueFileTexts& texts,
                   const std::function<std::optional<ValueField>(int)>& field, Prompter& prompter);

// The conversion of an opened file for the shared open procedure: the ZEB import for filter 2,
// the text conversion for the others; then InitialValuesByRobot. True when completed (the open
// procedure then shows "Complete", or "Completed. Check data." after the ZEB import); false
// after a message of its own (caption "Open"), a robot number that is no integer included.
bool ConvertParameterFile(ParameterTable& table, int filter, std::string_view content,
                          Prompter& prompter);

// Open after the file dialog: reads the file whole and converts it into `table`.
OpenOutcome OpenParameterFile(ParameterTable& table, const std::string& name, int filter,
                              Prompter& prompter);

}  // namespace mivo
