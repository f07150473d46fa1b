#pragma once
// Step files: the ".stp"/CSV text (1000 lines of eight fields joined by commas), the step kind
// of data file, and the text conversion. The ZEB import is in step_zeb.h. Plain C++: the file
// dialogs and the "Is step data saved?" question belong to the step editor.
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "files/data_files.h"
#include "files/data_kind.h"
#include "files/file_kind.h"
#include "steps/step_table.h"

namespace mivo {

// Save dialog filters: 1 ".stp", 2 ".csv", 3 "All". Open dialog filters: 1 ".stp", 2 ".crd"
// (ZEB), 3 ".csv", 4 "all".
enum SaveFilter : int { SaveStp = 1, SaveCsv = 2, SaveAll = 3 };
enum OpenFilter : int { OpenStp = 1, OpenCrd = 2, OpenCsv = 3, OpenAll = 4 };

// The 1000 lines of a step file (fields joined by ",", no line end).
std::vector<std::string> StepFileLines(const StepTable& table);

// The whole file content as written: the 1000 lines, each ended by CR LF.
std::string StepFileText(const StepTable& table);

// The step files' description for the shared save and open procedures.
// Sixteen hexadecimal digits that tell one program's steps from another's (FNV-1a over the
// file's text): the run history marks runs of a changed program by it.
std::string StepProgramHash(const StepTable& table);

const FileKind& StepFileKind();

// Save after the file dialog, through the shared save procedure (caption "Program save"; the
// name test compares the extension with its dot, see step_files.cpp).
bool SaveStepFile(const StepTable& table, const std::string& name, int filter, Prompter& prompter);

// Open after the file dialog: reads the file whole, then converts it into `table` (filters 1, 3
// and 4: text conversion; filter 2: ZEB conversion); "Completed" when done. All messages have
// the caption "Open". StepModified is the caller's.
OpenOutcome OpenStepFile(StepTable& table, const std::string& name, int filter, Prompter& prompter);

// Text conversion of a step file's content into `table` (cleared first). Each of the 1000
// lines is split at its first seven commas; the rest, commas included, is the Comment. A line
// with fewer than seven commas (a missing line counts as empty) shows "File cannot be open"
// and returns false, the rows before it converted. A line after the 1000th that is not empty
// would be lost at the next save: "File cannot be open", naming it, the table untouched. True
// when all 1000 lines converted; the caller shows "Completed".
bool ConvertStepText(StepTable& table, std::string_view content, Prompter& prompter);
// The conversion of an opened file: the ZEB conversion for filter 2, the text conversion for
// the others.
bool ConvertStepFile(StepTable& table, int filter, std::string_view content, Prompter& prompter);

// The steps as a listing prints them: each step's eight cells joined by commas, steps `first`
// to `last` (at most step 999).
std::vector<std::string> StepListingValues(const StepTable& steps, int first, int last);

}  // namespace mivo
