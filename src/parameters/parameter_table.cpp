#include "parameters/parameter_table.h"

#include <algorithm>
#include <stdexcept>

#include "common/convert.h"

namespace mivo {

namespace {

bool IsRobotDependent(int number) {
    return std::find(kRobotDependentParameters.begin(), kRobotDependentParameters.end(), number) !=
           kRobotDependentParameters.end();
}

}  // namespace

ParameterTable::ParameterTable() { ResetToInitialValues(*this); }

const std::string& ParameterTable::cell(int column, int number) const {
    const ParameterInfo& info = ParameterCatalogue(number);
    switch (column) {
        case ColNumber:
            return info.number;
        case ColName:
            return info.name;
        case ColUnit:
            return info.unit;
        case ColRange:
            return info.range;
        case ColInitial:
            return initial(number);
        case ColValue:
            return value(number);
    }
    throw std::out_of_range("no parameter column " + std::to_string(column));
}

void ResetToInitialValues(ParameterTable& table) {
    for (int n = 0; n < kEditableParameterCount; ++n) {
        const std::string& initial = ParameterCatalogue(n).initial;
        table.setInitial(n, initial);
        table.setValue(n, initial);
    }
}

void InitialValuesByRobot(ParameterTable& table) {
    for (int n = 0; n < kEditableParameterCount; ++n)
        if (!IsRobotDependent(n)) table.setInitial(n, ParameterCatalogue(n).initial);
    const RobotSet& set = RobotSetFor(StrToInt(table.value(PrmRobotNumber)));
    for (int i = 0; i < kRobotDependentCount; ++i)
        table.setInitial(kRobotDependentParameters[static_cast<std::size_t>(i)],
                         set.initial[static_cast<std::size_t>(i)]);
}

TeachPositions ZiTeachPositions(const ParameterTable& table) {
    TeachPositions p;
    p.texts[TeachZ] = table.value(PrmVirtualOrigin);
    p.shown = TeachBit(TeachZ);
    return p;
}

void WriteTaughtZi(ParameterTable& table, const TeachTexts& taught) {
    table.setValue(PrmVirtualOrigin, taught[TeachZ]);
}

std::vector<std::string> ParameterListingValues(const ParameterTable& table, int first, int last) {
    std::vector<std::string> values;
    for (int n = first; n <= last && n < kParameterCount; ++n) values.push_back(table.value(n));
    return values;
}

}  // namespace mivo
