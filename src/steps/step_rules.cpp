#include "steps/step_rules.h"

#include <algorithm>

#include "common/convert.h"
#include "common/said_text.h"
#include "files/field_text.h"
#include "steps/step_commands.h"

namespace mivo {

namespace {

const char* const kCommands[] = {"POI", "LIN", "PAL", "CIR", "SEQ", "END"};

bool IsCommand(const std::string& text) {
    return std::find(std::begin(kCommands), std::end(kCommands), text) != std::end(kCommands);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code as the dialog knows it: the first digit of the Operation; for SEQ 9xx "916" and
// "917" as they stand and "900" for the conditional CALL JUMP, whose last two digits are its port
// (taking all three digits would reopen "905" as a code without a list item).
std::string DecodeCode(const std::string& command, const std::string& operation) {
    if (operation.empty() || !IsDigit(operation[0])) return "0";
    if (command == "SEQ" && operation[0] == '9') {
        const std::string three = operation.substr(0, 3);
        return three == "916" || three == "917" ? three : "900";
    }
    return operation.substr(0, 1);
}

// The value box from the two-digit parameter PP.
std::string DecodeValue(const std::string& command, const std::string& code,
                        const std::string& operation) {
    const std::string pp = operation.size() > 1 ? operation.substr(1, 2) : std::string();
    const bool hundredMeansZero = command == "POI" || command == "LIN" || command == "CIR" ||
                                  command == "END" || (command == "SEQ" && code == "4");
    if (pp == "00") return hundredMeansZero ? "100" : "0";
    if (!hundredMeansZero && command == "SEQ") {
        int n = 0;
        if (TryStrToInt(pp, n) && n >= 16) return "0";
    }
    if (pp.size() == 2 && pp[0] == '0') return pp.substr(1);
    return pp;
}

bool CodeIn(const std::string& code, std::initializer_list<const char*> codes) {
    for (const char* c : codes)
        if (code == c) return true;
    return false;
}

}  // namespace

std::string RefusedCommand(const std::string& written) {
    std::string command = written;
    UpperCaseCommand(command);
    return IsCommand(command) ? ""
                              : Filled(UI_TEXT("Message", "'%1' is no step command"), {written});
}

std::string RefusedOperation(const std::string& command, const std::string& operation) {
    const bool digits = operation.size() == 3 && std::all_of(operation.begin(), operation.end(),
                                                             [](char c) { return IsDigit(c); });
    if (!digits)
        return Filled(UI_TEXT("Message", "Operation '%1' is no operation code"), {operation});
    const std::string code = DecodeCode(command, operation);
    // The controller keeps a circle's operation as "100" (Step send writes "000" so).
    if (command == "CIR" && code == "1") return {};
    const int number = CommandNumber(command);
    if (number >= 0)
        for (const OperationItem& item :
             CommandItems()[static_cast<std::size_t>(number)].operations)
            if (code == item.code) return {};
    return Filled(UI_TEXT("Message", "Operation %1 is none of %2's"), {operation, command});
}

std::string RefusedFieldText(int field, std::string_view text, std::string_view name) {
    return RefusedSeparator(text, name, field == FieldComment ? std::string_view(",\r") : "");
}

std::string CircleWriteOperation(const std::string& operation) {
    return operation == "000" ? "100" : operation;
}

void UpperCaseCommand(std::string& command) {
    for (char& c : command)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

void UpperCaseCommands(StepTable& table) {
    for (int s = 0; s < kStepCount; ++s) UpperCaseCommand(table[s][FieldCommand]);
}

bool HasLowerCaseCommand(const StepTable& table) {
    for (int s = 0; s < kStepCount; ++s)
        for (char c : table[s][FieldCommand])
            if (c >= 'a' && c <= 'z') return true;
    return false;
}

bool IsSecondCircleRow(const StepTable& table, int step) {
    if (step <= 0 || step >= kStepCount) return false;
    const StepRow& before = table[step - 1];
    return before[FieldCommand] == "CIR" && before[FieldR].empty();
}

StepValues ReadStep(const StepTable& table, int step, CircleFlags* flags) {
    const StepRow& row = table[step];
    std::string command = row[FieldCommand];
    UpperCaseCommand(command);

    StepValues v;
    v.command = IsCommand(command) ? command : "POI";
    const std::string& stored = row[FieldOperation];
    const std::string op = stored.empty() || !IsDigit(stored[0]) ? "000" : stored;
    v.code = DecodeCode(v.command, op);
    v.value = DecodeValue(v.command, v.code, op);

    CircleFlags circle;
    int commentRow = step;
    if (v.command == "POI" && CodeIn(v.code, {"0", "1", "2", "7", "8"})) {
        v.x = row[FieldX], v.y = row[FieldY], v.z = row[FieldZ];
    } else if (v.command == "POI" && v.code == "6") {
        v.r = row[FieldR];
    } else if (v.command == "LIN" && v.code == "0") {
        v.x = row[FieldX], v.y = row[FieldY], v.z = row[FieldZ];
    } else if (v.command == "LIN" && v.code == "4") {
        v.x = row[FieldX], v.y = row[FieldY], v.r = row[FieldR];
    } else if (v.command == "CIR") {
        circle.wasCircle = true;
        circle.secondRowChosen = IsSecondCircleRow(table, step);
        const int first = circle.secondRowChosen ? step - 1 : step;
        commentRow = first;
        v.x = table[first][FieldX], v.y = table[first][FieldY], v.z = table[first][FieldZ];
        if (first + 1 < kStepCount) {
            const StepRow& second = table[first + 1];
            v.x2 = second[FieldX], v.y2 = second[FieldY];
            v.x3 = second[FieldZ], v.y3 = second[FieldR];
        }
    } else if (v.command == "SEQ") {
        v.jump = row[FieldJump];
    }
    v.comment = table[commentRow][FieldComment];
    if (flags) *flags = circle;
    return v;
}

namespace {

constexpr const char* kBoxNames[8] = {"X", "Y", "Z", "R", "X2", "Y2", "X3", "Y3"};
// clang-format off
constexpr const char* kEmptyBoxMessages[8] = {
    UI_TEXT("Message", "Input X value"),  UI_TEXT("Message", "Input Y value"),
    UI_TEXT("Message", "Input Z value"),  UI_TEXT("Message", "Input R value"),
    UI_TEXT("Message", "Input X2 value"), UI_TEXT("Message", "Input Y2 value"),
    UI_TEXT("Message", "Input X3 value"), UI_TEXT("Message", "Input Y3 value")};
// clang-format on

// V's range for its command and operation.
std::string RefusedValueRange(const StepValues& values, int n) {
    if (values.command == "SEQ") {
        switch (values.code.empty() ? '\0' : values.code[0]) {
            case '0':
            case '1':
            case '6':
            case '7':
                if (n > 14) return UI_TEXT("Message", "Set input port from 0 to 14");
                break;
            case '2':
                if (n > 12) return UI_TEXT("Message", "Set output port from 0 to 12");
                break;
            case '3':
                if (n > 13) return UI_TEXT("Message", "Set output port from 0 to 13");
                break;
            case '4':
                if (n > 100 || n == 0)
                    return UI_TEXT("Message", "Set timer from 1 to 100(x 0.1sec)");
                break;
            case '9':
                if (n > 13 && values.code == "900")
                    return UI_TEXT("Message", "Set output port from 0 to 13");
                break;
            default:
                break;
        }
        return {};
    }
    if (values.command == "PAL") {
        if ((values.code == "0" || values.code == "2") && n > 19)
            return UI_TEXT("Message", "Set pallet No. from 0 to 19");
        return {};
    }
    return n == 0 ? UI_TEXT("Message", "Input 1 and above") : "";
}

}  // namespace

std::string RefusedStepValues(const StepValues& values) {
    const StepBoxes boxes = BoxesOfStep(values.command, values.code);
    const std::string caption = boxes.valueCaption;
    const std::string& v = values.value;
    if (!v.empty()) {
        int n = 0;
        try {
            n = StrToInt(v);
        } catch (const ConversionError& e) {
            return e.what();
        }
        if (n > 100 && caption == kCaptionRate)
            return UI_TEXT("Message", "Set speed rate from 1 to 100%");
        if (v[0] == '+') return UI_TEXT("Message", "+ cannot be inputted");
        if (v[0] == '-') return UI_TEXT("Message", "- cannot be inputted");
        if (v[0] == '0' && (v.size() > 2 || (v.size() == 2 && v[1] != '0')))
            return UI_TEXT("Message", "Cannot compute due to speed data error");
        if (std::string range = RefusedValueRange(values, n); !range.empty()) return range;
    } else {
        // The value is required whatever is shown, also when the box is hidden.
        if (caption == kCaptionRate) return UI_TEXT("Message", "Input speed rate");
        if (caption == kCaptionPallet) return UI_TEXT("Message", "Input pallet No.");
        if (caption == kCaptionTimer) return UI_TEXT("Message", "Input TIMER");
        if (caption == kCaptionPort) return UI_TEXT("Message", "Input I/O port");
    }
    const std::string* positions[8] = {&values.x,  &values.y,  &values.z,  &values.r,
                                       &values.x2, &values.y2, &values.x3, &values.y3};
    for (int i = 0; i < 8; ++i)
        if ((boxes.shown & (1u << i)) && positions[i]->empty()) return kEmptyBoxMessages[i];
    if ((boxes.shown & BoxJ) && values.jump.empty())
        return UI_TEXT("Message", "Input jump-to value");
    double number = 0;
    for (int i = 0; i < 8; ++i)
        if ((boxes.shown & (1u << i)) && !TryStrToFloat(*positions[i], number))
            return Filled(UI_TEXT("Message", "%1 '%2' is no number"),
                          {kBoxNames[i], *positions[i]});
    return {};
}

std::string NormaliseValue(const std::string& v) {
    const int n = StrToInt(v);
    if (n < 10 && v != "00") return "0" + v;
    if (n == 100) return "00";
    return v;
}

std::string CircleRefusal(int step, const StepValues& values, const CircleFlags& flags) {
    const int first = flags.wasCircle && flags.secondRowChosen ? step - 1 : step;
    if (values.command != "CIR" || first + 1 < kStepCount) return {};
    return Filled(UI_TEXT("Message", "A circle takes two steps: it cannot start at step %1"),
                  {std::to_string(first)});
}

void WriteStep(StepTable& table, int step, const StepValues& values, const CircleFlags& flags) {
    const std::string v = NormaliseValue(values.value);  // throws before anything changes
    const std::string& cmd = values.command;
    const std::string& code = values.code;

    if (flags.wasCircle) {
        const int oldFirst = flags.secondRowChosen ? step - 1 : step;
        for (int s = oldFirst; s <= oldFirst + 1; ++s)
            if (s >= 0 && s < kStepCount) table[s].clear();
    }

    // What every record takes from the dialog: command, operation, X, Y, Z and comment.
    const auto begin = [&](StepRow& row) -> StepRow& {
        row.clear();
        row[FieldCommand] = cmd;
        row[FieldOperation] = code + v;
        row[FieldX] = values.x, row[FieldY] = values.y, row[FieldZ] = values.z;
        row[FieldComment] = values.comment;
        return row;
    };

    if (cmd == "CIR") {
        const int first = flags.wasCircle && flags.secondRowChosen ? step - 1 : step;
        const StepRow& a = begin(table[first]);
        if (first + 1 < kStepCount) {  // CircleRefusal keeps the dialog from the last step
            StepRow& b = table[first + 1];
            b.clear();
            b[FieldCommand] = cmd;
            b[FieldOperation] = a[FieldOperation];
            b[FieldX] = values.x2, b[FieldY] = values.y2;
            b[FieldZ] = values.x3, b[FieldR] = values.y3;
            b[FieldComment] = values.comment;
        }
        return;
    }

    StepRow& row = begin(table[step]);
    row[FieldJump] = values.jump;

    if (cmd == "POI") {
        row[FieldJump].clear();
        if (CodeIn(code, {"0", "1", "2", "7", "8"})) {
            row[FieldR] = "0";
        } else if (code == "5") {
            row[FieldOperation] = "500";
        } else if (code == "6") {
            row[FieldX] = row[FieldY] = row[FieldZ] = "0";
            row[FieldR] = values.r;
        }
    } else if (cmd == "LIN") {
        row[FieldJump].clear();
        if (code == "0") {
            row[FieldR] = "0";
        } else if (code == "4") {
            row[FieldZ] = "0";
            row[FieldR] = values.r;
        }
    } else if (cmd == "PAL" || cmd == "END") {
        row[FieldJump].clear();
    } else if (cmd == "SEQ") {
        if (code == "8")
            row[FieldOperation] = "800";
        else if (code == "900")
            row[FieldOperation] = "9" + v;
        else if (code == "916" || code == "917")
            row[FieldOperation] = code;
    }
}

}  // namespace mivo
