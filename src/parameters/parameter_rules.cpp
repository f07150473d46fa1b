#include "parameters/parameter_rules.h"

#include "common/convert.h"

namespace mivo {

bool IsOldControllerVersion(const std::string& version) {
    double number = 0;
    try {
        number = StrToFloat(version);
    } catch (const ConversionError&) {
        return false;
    }
    // Read by the same routine, so that "1.1" and 1.1 are the very same double.
    for (const char* old : {"1", "1.01", "1.03", "1.1", "1.11", "1.12", "1.13"})
        if (number == StrToFloat(old)) return true;
    return false;
}

int TransferCount(const std::string& version) {
    return IsOldControllerVersion(version) ? kEditableParameterCount - 1 : kEditableParameterCount;
}

bool IsTransferred(int number, int count) {
    return number >= 0 && number < count && ParameterHasName(number);
}

std::string LengthRefusal(std::string_view text, std::size_t maxLength, std::string_view name) {
    if (text.size() <= maxLength) return {};
    return std::string(name) + " holds at most " + std::to_string(maxLength) +
           (maxLength == 1 ? " character" : " characters");
}

std::string ValueRefusal(std::string_view text, std::size_t maxLength, std::string_view name) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return std::string(name) + " cannot hold a line break or a NUL character";
    return LengthRefusal(text, maxLength, name);
}

int LeadSpeedViolation(const ParameterTable& table) {
    for (int axis = 0; axis < kAxisCount; ++axis) {
        if (StrToFloat(table.value(PrmXLead + axis)) != 2) continue;
        const int speeds[] = {PrmXMaxSpeed + axis, PrmX12Speed + 2 * axis,
                              PrmX12Speed + 2 * axis + 1};
        for (int n : speeds)
            if (StrToFloat(table.value(n)) > kLeadTwoSpeedLimit) return axis;
    }
    return -1;
}

bool CheckLeadSpeeds(const ParameterTable& table, Prompter& prompter, const std::string& caption) {
    try {
        if (LeadSpeedViolation(table) < 0) return true;
        prompter.notify(kLeadSpeedMessage, kLeadSpeedCaption);
    } catch (const ConversionError& e) {
        prompter.notify(e.what(), caption);
    }
    return false;
}

}  // namespace mivo
