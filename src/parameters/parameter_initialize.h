#pragma once
// Parameter initialisation by robot number, the initialisation dialog's Yes in parameter mode:
// the controller loads the robot's set and the parameters are read back.
#include <functional>
#include <string>

#include "parameters/parameter_target.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// The initialisation dialog's caption and its question for a robot number, which the command
// line asks as well.
inline constexpr const char* kInitCaption = "MIVO Editor [init]";
inline constexpr const char* kRobotQuestion = "Select robot No. to be initialized";

// "@INIT PRM " + robot number, the version query, then parameters 0 to 43 read back (3 and 5
// and, for an old version, 43 skipped) into the table; the initial values follow the robot
// number read, and "Parameter initialize is completed" ends it. Runs on `ctx.channel`: the
// main channel from the parameter editor, the direct channel from the direct-operation screen,
// which also gives `extraLog` to see every command and reply (its received-information
// display). Values read before a failure keep their new texts.
Outcome InitializeParameters(ProcedureContext& ctx, const ParameterTarget& target, int robotNumber,
                             const std::function<void(const std::string&)>& extraLog = {});

}  // namespace mivo
