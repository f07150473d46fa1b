// The command-entry dialog's values checked before they are written: the boxes their command
// and code need, V's range, a circle's room (the reading and writing are step_rules.cpp).
#include <string>

#include "common/convert.h"
#include "common/said_text.h"
#include "steps/step_commands.h"
#include "steps/step_rules.h"

namespace mivo {

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

}  // namespace mivo
