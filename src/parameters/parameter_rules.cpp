#include "parameters/parameter_rules.h"

#include "common/convert.h"
#include "common/said_text.h"
#include "files/field_text.h"
#include "parameters/parameter_catalogue.h"

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
    // One whole sentence for one character and one for more, each translated whole.
    if (maxLength == 1)
        return Filled(UI_TEXT("Message", "%1 holds at most 1 character"), {std::string(name)});
    return Filled(UI_TEXT("Message", "%1 holds at most %2 characters"),
                  {std::string(name), std::to_string(maxLength)});
}

std::string ValueRefusal(std::string_view text, std::size_t maxLength, std::string_view name) {
    if (std::string refused = RefusedSeparator(text, name); !refused.empty()) return refused;
    return LengthRefusal(text, maxLength, name);
}

std::string FileValueRefusal(std::string_view text, std::size_t maxLength, std::string_view name) {
    if (std::string refused = RefusedSeparator(text, name, "\r"); !refused.empty()) return refused;
    return LengthRefusal(text, maxLength, name);
}

namespace {

// Parameter n's value as a number; a text that is no number is refused naming its parameter.
double NumberOf(const ParameterTable& table, int n) {
    try {
        return StrToFloat(table.value(n));
    } catch (const ConversionError& e) {
        throw ConversionError(ParameterCatalogue(n).name + ": " + e.what());
    }
}

}  // namespace

int LeadSpeedViolation(const ParameterTable& table) {
    for (int axis = 0; axis < kAxisCount; ++axis) {
        if (NumberOf(table, PrmXLead + axis) != 2) continue;
        const int speeds[] = {PrmXMaxSpeed + axis, PrmX12Speed + 2 * axis,
                              PrmX12Speed + 2 * axis + 1};
        for (int n : speeds)
            if (NumberOf(table, n) > kLeadTwoSpeedLimit) return axis;
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
