#pragma once
// What differs between two step tables, step by step, as the controller would hold them.
#include <string>
#include <vector>

#include "files/difference.h"
#include "steps/step_table.h"

namespace mivo {

// Each step as a send leaves it in the controller and a receive reads it back: the fields the
// controller holds joined by commas, the Command upper-cased ("POI,050,10.00,20.00,5.00,0",
// "SEQ,200,12", a circle pair's rows with the Operation of its write); "" for a step the send
// deletes.
std::vector<std::string> StepHeldTexts(const StepTable& table);

// The steps whose held texts differ, in step order; each sends its circle pairs on both sides
// whole (firstStep .. lastStep).
std::vector<Difference> StepDifferences(const StepTable& file, const StepTable& controller);

}  // namespace mivo
