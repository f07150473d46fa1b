#pragma once
// The rules a parameter transfer applies to the table: which rows it walks for a controller
// version, and the one check of values before a send, the lead-2 speed limit.
#include <cstddef>
#include <string>
#include <string_view>

#include "common/prompter.h"
#include "common/said_text.h"
#include "parameters/parameter_table.h"

namespace mivo {

// Controller versions that do not know parameter 43: 1, 1.01, 1.03, 1.1, 1.11, 1.12 and 1.13,
// the version text read as a number ("1.10" and "1.00" are old); a text that is no number is
// not an old version.
bool IsOldControllerVersion(const std::string& version);

// The number of rows a transfer walks from parameter 0: 44, or 43 for an old version (an
// empty version text, after an "OK" reply, is a new one).
int TransferCount(const std::string& version);

// True when a transfer walking `count` rows sends or receives `number`: below the count and
// named (3 and 5 are skipped). The send starts at 1: the robot number is never sent.
bool IsTransferred(int number, int count);

// The message refusing `text` for a field of at most `maxLength` characters shown as `name`
// ("X1 holds at most 7 characters"), or "" when it fits. The file readers refuse a line by it.
std::string LengthRefusal(std::string_view text, std::size_t maxLength, std::string_view name);

// A value typed: one line of a data file and one command line to the controller, so besides
// its length (LengthRefusal) a comma, a line break or a NUL, which would cut both, is refused
// (the step fields' rule, RefusedSeparator). The message, or "" when it may be held. For a
// parameter: ValueLength(n) and its catalogue name.
std::string ValueRefusal(std::string_view text, std::size_t maxLength, std::string_view name);

// A value line read from a file: refused for a comma (it would reach the controller as further
// fields) or its length; a stray CR, which files have carried, is let through.
std::string FileValueRefusal(std::string_view text, std::size_t maxLength, std::string_view name);

inline constexpr double kLeadTwoSpeedLimit = 70;
inline constexpr const char* kLeadSpeedMessage =
    UI_TEXT("Message", "In case of lead 2, the maximum speed is 70mm/s");
inline constexpr const char* kLeadSpeedCaption = UI_TEXT("Message", "Error");

// The first axis (0 X .. 3 R) whose lead (14..17) has the numeric value 2 while its maximum
// speed (22..25), its 1 / 2 speed or its 3 speed (28..35) is above 70; -1 when none. Each lead
// is read as a number, an axis's speeds only when its lead is 2, in that order until one is
// above 70; a text that is no number throws ConversionError.
int LeadSpeedViolation(const ParameterTable& table);

// The lead check before a send: false after showing "In case of lead 2, the maximum speed is
// 70mm/s" (caption "Error"), or a conversion error's message with `caption`; true when the
// values may be sent.
bool CheckLeadSpeeds(const ParameterTable& table, Prompter& prompter, const std::string& caption);

}  // namespace mivo
