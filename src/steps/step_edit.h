#pragma once
// Insert, delete, copy and paste of steps with renumbering of jump targets.
// Every operation checks all the JUMP texts it would renumber before changing anything and
// throws ConversionError (naming the step) on one that is not a number.
#include <string>
#include <vector>

#include "steps/step_table.h"

namespace mivo {

// Inserts `count` empty steps at `step`; the last `count` steps are lost. Every JUMP t with
// t >= step becomes t + count.
void InsertSteps(StepTable& table, int step, int count);

// Deletes steps first..last; the steps after move up, empty steps fill the end.
// Single step s: every JUMP t > s becomes t - 1. Block of n: every JUMP t >= last becomes t - n.
void DeleteSteps(StepTable& table, int first, int last);

// Lines for the clipboard: fields 1 to 8 of each step, each followed by a comma.
std::vector<std::string> CopySteps(const StepTable& table, int first, int last);

// A circle step (a CirclePair) is one unit for every edit.
struct StepSpan {
    int first = 0;
    int last = 0;
};
// Steps first..last widened to take both rows of each circle pair they would cut: what Copy,
// Cut-off and Delete work on.
StepSpan WholeCirclePairs(const StepTable& table, int first, int last);
// The first step of the circle pair that inserting at `step` would part (it is the pair's second
// row); -1 when none.
int PairPartedByInsert(const StepTable& table, int step);
// The first step of a circle pair that overwriting first..last in place would part (one that
// begins before first or ends after last); -1 when none.
int PairPartedByBlock(const StepTable& table, int first, int last);
// The refusal of an edit that would part the pair at `firstStep`: "Steps 5 and 6 are one circle
// step: they cannot be separated".
std::string PairPartedMessage(int firstStep);

enum class PasteResult { Nothing, RangeDiffers, Done };

// Whether `lines` can be pasted on the selection: Nothing when no line comes before the first
// empty one, RangeDiffers for a block of another row count, otherwise Done.
PasteResult CheckPaste(const std::vector<std::string>& lines, int first, int last, bool block);

// Pastes `lines` (up to the first empty one). A single-row selection (first == last and
// !block) inserts the lines there; a block selection must have as many rows as lines and is
// overwritten in place.
PasteResult PasteSteps(StepTable& table, int first, int last, bool block,
                       const std::vector<std::string>& lines);
// The lines Paste takes: those before the first empty one.
int PasteLineCount(const std::vector<std::string>& lines);

// One flag per step: the rows of `after` that hold, whole, the row `by` steps above them in
// `before` (below, when `by` is negative), that is, what an insert (`by` > 0) or a delete
// (`by` < 0) only moved. Empty when `by` is 0.
std::vector<bool> MovedRows(const StepTable& before, const StepTable& after, int by);

}  // namespace mivo
