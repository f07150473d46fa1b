#pragma once
// What differs between a file's data and the controller's: one item a line, each with both
// texts and what to send to make the controller hold the file's.
#include <string>
#include <vector>

#include "backup/backup_data.h"
#include "files/data_kind.h"

namespace mivo {

struct Difference {
    DataKind kind = DataKind::Step;
    int block = -1;  // the pallet's number, the offsets' program; -1 for steps and parameters
    // The step (-1: the program number itself), the parameter, the pallet field (PalletField)
    // or the axis.
    int item = 0;
    std::string name;  // "step 12", "parameter 22", "pallet 3 X1", "offset 2 Y", "program"
    std::string fileText;
    std::string controllerText;
    // What to send: for a step, the file's steps firstStep .. lastStep (a circle pair whole,
    // on either side); for a value, "@WRITE PRM memory,fileText". -1: nothing can be sent
    // (the program number, the robot number).
    int firstStep = -1;
    int lastStep = -1;
    int memory = -1;
};

// The items `file` holds that differ in `controller`, which holds the same parts; in the order
// program, steps, parameters, pallets, offsets. Steps compare as a send would leave them in the
// controller (StepHeldTexts); values compare as texts ("6" and "6.00" differ).
std::vector<Difference> Differences(const ControllerData& file, const ControllerData& controller);

// `KIND ITEM: file "TEXT", controller "TEXT"`, the texts readable (ReadableText).
std::string DifferenceLine(const Difference& difference);

// Each step as a send leaves it in the controller and a receive reads it back: the fields the
// controller holds joined by commas, the Command upper-cased ("POI,050,10.00,20.00,5.00,0",
// "SEQ,200,12", a circle pair's rows with the Operation of its write); "" for a step the send
// deletes.
std::vector<std::string> StepHeldTexts(const StepTable& table);

}  // namespace mivo
