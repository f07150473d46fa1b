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

bool IsPlainCommand(const std::string& command) {
    return command == "POI" || command == "LIN" || command == "PAL" || command == "END";
}

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
