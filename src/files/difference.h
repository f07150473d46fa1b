#pragma once
// One item that differs between a file's data and the controller's, with both texts and what to
// send to make the controller hold the file's. Every kind's comparison gives these.
#include <string>
#include <string_view>
#include <vector>

#include "files/data_kind.h"

namespace mivo {

struct Difference {
    DataKind kind = DataKind::Step;
    int block = -1;  // the pallet's number, the offsets' program; -1 for steps and parameters
    // The step (-1: the program number itself), the parameter, the pallet field or the axis.
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

// A value's difference added to `out` unless the texts are the same or the same number ("6"
// and "6.00" are the same; "6" and "" are not).
void AddValueDifference(DataKind kind, int block, int item, std::string name,
                        const std::string& file, const std::string& controller, int memory,
                        std::vector<Difference>& out);

// `KIND ITEM: file "TEXT", controller "TEXT"`, the texts readable (ReadableText); `side` names
// the data's side ("editor" where the data may not be in a file yet).
std::string DifferenceLine(const Difference& difference, std::string_view side = "file");

}  // namespace mivo
