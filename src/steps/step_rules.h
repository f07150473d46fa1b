#pragma once
// Encoding rules of a step: reading a step into the command-entry values and writing the
// values back, shared by the dialog, the transfers and the tests.
#include <string>
#include <string_view>

#include "steps/step_table.h"

namespace mivo {

// The values of the command-entry dialog. Texts of hidden boxes are empty, as are the boxes a
// brace list leaves out.
struct StepValues {
    std::string command{};  // "POI", "LIN", "PAL", "CIR", "SEQ", "END"
    std::string code{};     // one digit, or "900", "916", "917" for SEQ
    std::string value{};    // the value box V (rate, port, pallet number, timer)
    std::string x{}, y{}, z{}, r{};
    std::string x2{}, y2{}, x3{}, y3{};
    std::string jump{};
    std::string comment{};
    bool operator==(const StepValues&) const = default;
};

// Flags of a CIR step in the dialog.
struct CircleFlags {
    bool secondRowChosen = false;  // the chosen row is the second row of a CirclePair
    bool wasCircle = false;        // the chosen step was a CIR step
};

// True when `step` is the second row of a CirclePair: the row before has Command "CIR" and an
// empty R field.
bool IsSecondCircleRow(const StepTable& table, int step);

// What a field can hold. The files and the transfers separate the fields with commas and the
// steps with line ends, and a file with a NUL is no text file: no field holds a line feed or a
// NUL, and none but the Comment (the last field, which takes the rest of its line) holds a comma
// or a carriage return. The message refusing `text` for `field`, naming the box or column
// `name` ("A comma cannot be inputted in X"); empty when the field can hold the text.
std::string RefusedFieldText(int field, std::string_view text, std::string_view name);

// The Operation a circle's write carries for the Operation of its first row: "000" goes as
// "100", which the controller then holds.
std::string CircleWriteOperation(const std::string& operation);

// Upper-cases a Command text: ASCII letters only, other bytes stay as they are.
void UpperCaseCommand(std::string& command);
// Upper-cases the Command of every step.
void UpperCaseCommands(StepTable& table);
// True when some Command holds a lower-case letter.
bool HasLowerCaseCommand(const StepTable& table);

// POI, LIN, PAL or END: a command whose step is written as it stands (no circle, no jump).
bool IsPlainCommand(const std::string& command);

// A Command that is no step command, in any case of letters: "'JMP' is no step command";
// empty for POI, LIN, PAL, CIR, SEQ and END.
std::string RefusedCommand(const std::string& written);

// An Operation of `command` (a step command) that is not three digits ("Operation '9' is no
// operation code") or whose code is not on the command's list ("Operation 300 is none of
// LIN's"); empty when it is on the list.
std::string RefusedOperation(const std::string& command, const std::string& operation);

// Reads `step` into dialog values, the table unchanged: the Command in upper case (an unknown
// command as POI), an Operation that does not begin with a digit as "000". Also gives the CIR
// flags.
StepValues ReadStep(const StepTable& table, int step, CircleFlags* flags = nullptr);

// The first check a step's values fail, as the command-entry dialog's OK refuses them ("Set
// speed rate from 1 to 100%", "Input X value", "Y 'start' is no number", "Input jump-to value",
// a V that is no integer); empty when they pass. The boxes the command and code take must be
// filled, with numbers, V always.
std::string RefusedStepValues(const StepValues& values);

// V normalised for storing: "5" -> "05", "0" -> "00", "100" -> "00". Throws ConversionError
// for a V that is not an integer.
std::string NormaliseValue(const std::string& v);

// A circle step takes two rows: the refusal of one whose first row would be the last step
// ("A circle takes two steps: it cannot start at step 999"), "" otherwise.
std::string CircleRefusal(int step, const StepValues& values, const CircleFlags& flags);

// Writes the values at `step` by the write-back rules; a CIR writes a pair (the second row is
// lost at step 999). Throws ConversionError when V is not an integer, before changing anything.
void WriteStep(StepTable& table, int step, const StepValues& values, const CircleFlags& flags);

}  // namespace mivo
