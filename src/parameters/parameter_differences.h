#pragma once
// What differs between two parameter tables: the parameters a send and a receive carry.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "files/difference.h"
#include "parameters/parameter_table.h"

namespace mivo {

// The transferred parameters whose texts differ, in number order; the robot number is listed
// but cannot be sent (memory -1).
std::vector<Difference> ParameterDifferences(const ParameterTable& file,
                                             const ParameterTable& controller);

// The items of block `number` of a memory kind (a pallet, one program's offsets) whose texts
// differ, in item order, each named "`prefix` NUMBER `name(item)`" ("pallet 3 X1") and sent to
// memory `parameter(number, item)`.
std::vector<Difference> BlockDifferences(DataKind kind, const std::string& prefix, int number,
                                         std::span<const std::string> file,
                                         std::span<const std::string> controller,
                                         const std::function<std::string(int item)>& name,
                                         int (*parameter)(int number, int item));

// A block as a listing prints it: its number as typed, then its items.
std::vector<std::string> BlockListingValues(const std::string& number,
                                            std::span<const std::string> items);

}  // namespace mivo
