#pragma once
// Step files: the ".stp"/CSV text (1000 lines of eight fields joined by commas), the save and
// open procedures with their name rules and messages, and the text conversion. The ZEB import
// is in step_zeb.h. Plain C++: the file dialogs and the "Is step data saved?" question belong to
// the step editor, which calls these after its dialog.
#include <string>
#include <string_view>
#include <vector>

#include "procedures/prompter.h"
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

// The name a save writes: for filters 1 and 2, `name` when it already ends in ".stp" / ".csv"
// (compared exactly, so "prog.STP" becomes "prog.STP.stp"), otherwise `name` plus that
// extension; for filter 3 `name` as given.
std::string SaveTargetName(const std::string& name, int filter);

// Save after the file dialog. Asks "File of the same name exists.  Overwrite?" (caption
// "Program save") when `name`, or for filters 1 and 2 `name` plus the extension, exists; No
// writes nothing and shows nothing. Writes the file whole (CR LF line ends) and shows "Saved"
// (caption "Save"). A write failure shows "Cannot write NAME: REASON" (caption "Save"), leaves
// any old file intact and returns false. True only when written and "Saved" shown.
bool SaveStepFile(const StepTable& table, const std::string& name, int filter, Prompter& prompter);

// The name an open reads: for filters 1 to 3, `name` when it ends in the filter's extension in
// lower or upper case (".stp"/".STP", ".crd"/".CRD", ".csv"/".CSV") or when a file of that name
// exists, otherwise `name` plus the lower-case extension; for filter 4 `name` as given.
std::string OpenTargetName(const std::string& name, int filter);

enum class OpenOutcome {
    NotRead,    // the file could not be read; "Cannot read NAME: REASON" shown; table unchanged
    Stopped,    // a conversion message ended the open; the table holds what was converted
    Completed,  // the table replaced and "Completed" shown
};

// Open after the file dialog: reads the file whole, then converts it into `table` (filters 1, 3
// and 4: text conversion; filter 2: ZEB conversion). All messages have the caption "Open".
// StepModified is the caller's.
OpenOutcome OpenStepFile(StepTable& table, const std::string& name, int filter, Prompter& prompter);

// Text conversion of a step file's content into `table` (cleared first). Each of the 1000
// lines is split at its first seven commas; the rest, commas included, is the Comment. A line
// with fewer than seven commas (a missing line counts as empty) shows "File cannot be open"
// and returns false, the rows before it converted. True when all 1000 lines converted; the
// caller shows "Completed".
bool ConvertStepText(StepTable& table, std::string_view content, Prompter& prompter);

}  // namespace mivo
