#pragma once
// The program check: what in a step program the controller would refuse or the user would not
// expect, each finding with its step. Plain, so that the step editor, `mivo check` and the
// sends ask the same.
#include <functional>
#include <string>
#include <vector>

#include "common/said_text.h"
#include "steps/step_table.h"

namespace mivo {

struct Finding {
    int step = 0;
    std::string text;
    bool operator==(const Finding&) const = default;
};

// The axes' software limits X, Y, Z, R: parameters 6 to 9 (+) and 10 to 13 (-). Unknown when a
// value is no number (no file given, a damaged one): positions are then not checked.
struct AxisStrokes {
    bool known = false;
    double low[4] = {};
    double high[4] = {};
};
// `value` gives a parameter's text by its number.
AxisStrokes StrokesFromParameters(const std::function<std::string(int)>& value);

// Every finding, in step order: a command that is no step command, an operation outside its
// list, a value the command-entry dialog would refuse, a position that is no number or outside
// the strokes, a circle without its second row, a jump to an empty step or past 999, and no END
// reachable from step 0 (following jumps and calls).
std::vector<Finding> CheckProgram(const StepTable& table, const AxisStrokes& strokes);

// "step 5: Input X value"
std::string FindingLine(const Finding& finding);

// The question before a send when the check found something: the first finding and the count.
std::string SendAnywayQuestion(const std::vector<Finding>& findings);
inline constexpr const char* kCheckCaption = UI_TEXT("Message", "Check program");

}  // namespace mivo
