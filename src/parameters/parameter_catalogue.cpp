#include "parameters/parameter_catalogue.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace mivo {

namespace {

struct EditableRow {
    const char* name;
    const char* unit;
    const char* range;
    const char* initial;  // robot 22
};

// Parameters 0..43; the names are shown as they stand here.
constexpr EditableRow kEditable[kEditableParameterCount] = {
    {"Robot number", "", "10 - 32", "22"},
    {"Designate origin return", "", "0 - 3", "3"},
    {"Designate a starting point", "", "0 - 3", "3"},
    {"", "", "", ""},  // reserved
    {"Virtual origin point", "mm", "-999.99 - 999.99", "0.00"},
    {"", "", "", ""},  // reserved
    {"X stroke (+ software limit)", "mm", "0 - 999.99", "200.00"},
    {"Y stroke (+ software limit)", "mm", "0 - 999.99", "200.00"},
    {"Z stroke (+ software limit)", "mm", "0 - 999.99", "50.00"},
    {"R stroke (+ software limit)", "mm", "0 - 999.99", "200.00"},
    {"X stroke (- software limit)", "mm", "0 - -999.99", "-5.00"},
    {"Y stroke (- software limit)", "mm", "0 - -999.99", "-2.00"},
    {"Z stroke (- software limit)", "mm", "0 - -999.99", "-5.00"},
    {"R stroke (- software limit)", "mm", "0 - -999.99", "-5.00"},
    {"X lead", "mm", "1 - 99", "6.00"},
    {"Y lead", "mm", "1 - 99", "6.00"},
    {"Z lead", "mm", "1 - 99", "2.00"},
    {"R lead", "mm", "1 - 99", "6.00"},
    {"X accelerate", "sec", "0.1 - 10", "0.1"},
    {"Y accelerate", "sec", "0.1 - 10", "0.1"},
    {"Z accelerate", "sec", "0.1 - 10", "0.1"},
    {"R accelerate", "sec", "0.1 - 10", "0.1"},
    {"X maximum speed", "mm/s", "1 - 200", "200.00"},
    {"Y maximum speed", "mm/s", "1 - 200", "200.00"},
    {"Z maximum speed", "mm/s", "1 - 200", "70.00"},
    {"R maximum speed", "mm/s", "1 - 200", "200.00"},
    {"Linear interpolation speed", "mm/s", "1 - 45", "45.00"},
    {"Arc interpolation speed", "mm/s", "1 - 15", "15.00"},
    {"X1 / X2 speed", "mm/s", "1 - 200", "5.00"},
    {"X3 speed", "mm/s", "1 - 200", "30.00"},
    {"Y1 / Y2 speed", "mm/s", "1 - 200", "5.00"},
    {"Y3 speed", "mm/s", "1 - 200", "30.00"},
    {"Z1 / Z2 speed", "mm/s", "1 - 200", "5.00"},
    {"Z3 speed", "mm/s", "1 - 200", "10.00"},
    {"R1 / R2 speed", "mm/s", "1 - 200", "5.00"},
    {"R3 speed", "mm/s", "1 - 200", "30.00"},
    {"X1 move amount", "mm", "0 - 999.99", "0.01"},
    {"Y1 move amount", "mm", "0 - 999.99", "0.01"},
    {"Z1 move amount", "mm", "0 - 999.99", "0.01"},
    {"R1 move amount", "mm", "0 - 999.99", "0.01"},
    {"S-shaped control", "", "0:No S-shaped 1:S-shaped", "0"},
    {"Axis Number of the spendless used", "Axial number", "1 - 4", "3"},
    {"Language select", "", "0:ENG 1:JPN", "1"},
    {"I/O output state at emargency", "", "0:ON 1:OFF", "0"},
};

struct NamedRow {
    int number;
    const char* name;
    const char* unit;
};

// Parameters 500..525: names and units only.
constexpr NamedRow kMachine[] = {
    {500, "Version information", ""},
    {501, "X ORG return speed", "mm/s"},
    {502, "Y ORG return speed", "mm/s"},
    {503, "Z ORG return speed", "mm/s"},
    {504, "R ORG return speed", "mm/s"},
    {505, "Minimum speed", "mm/s"},
    {506, "Movement interval", "ms"},
    {507, "unused", ""},
    {508, "unused", ""},
    {509, "unused", ""},
    {510, "X pallet speed", "mm/s"},
    {511, "Y pallet speed", "mm/s"},
    {512, "Z pallet speed", "mm/s"},
    {513, "X motor turn direction", ""},
    {514, "Y motor turn direction", ""},
    {515, "Z motor turn direction", ""},
    {516, "R motor turn direction", ""},
    {517, "R axis type", ""},
    {518, "X motor type", ""},
    {519, "Y motor type", ""},
    {520, "Z motor type", ""},
    {521, "R motor type", ""},
    {522, "X hold current", "%"},
    {523, "Y hold current", "%"},
    {524, "Z hold current", "%"},
    {525, "R hold current", "%"},
};

constexpr const char* kPalletSuffixes[kPalletFieldCount] = {
    " (X1 data)",
    " (Y1 data)",
    " (Z1 data)",
    " (X2 data)",
    " (Y2 data)",
    " (X3 data)",
    " (Y3 data)",
    " (X number of partitions)",
    " (Y number of partitions)",
    " (X counter)",
    " (Y counter)",
};

const char* PalletUnit(int field) {
    if (field <= PalletY3) return "mm";
    if (field <= PalletYPartitions) return "number";
    return "";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The widest number of an input range ("1 - 200", "0 - -999.99", "0:ENG 1:JPN") written as the
// values are, with two decimals ("200.00"): its sign, its whole digits, the point and two.
std::size_t RangeWidth(std::string_view range) {
    std::size_t widest = 0;
    for (std::size_t i = 0; i < range.size();) {
        if (!IsDigit(range[i])) {
            ++i;
            continue;
        }
        const std::size_t sign = i > 0 && range[i - 1] == '-' ? 1 : 0;
        std::size_t whole = 0;
        for (; i < range.size() && IsDigit(range[i]); ++i) ++whole;
        if (i < range.size() && range[i] == '.') ++i;
        while (i < range.size() && IsDigit(range[i])) ++i;  // its decimals
        widest = std::max(widest, sign + whole + 3);
    }
    return widest;
}

std::vector<ParameterInfo> BuildCatalogue() {
    std::vector<ParameterInfo> rows(kParameterCount);
    for (int n = 0; n < kParameterCount; ++n)
        rows[static_cast<std::size_t>(n)].number = std::to_string(n);
    for (int n = 0; n < kEditableParameterCount; ++n) {
        ParameterInfo& row = rows[static_cast<std::size_t>(n)];
        const EditableRow& e = kEditable[n];
        row.name = e.name;
        row.unit = e.unit;
        row.range = e.range;
        row.initial = e.initial;
    }
    for (int p = 0; p < kOffsetPrograms; ++p) {
        for (int a = 0; a < kAxisCount; ++a) {
            ParameterInfo& row = rows[static_cast<std::size_t>(OffsetParameter(p, a))];
            row.name = std::string("(") + kAxisLetters[a] + ")PGM" + std::to_string(p) + " offset";
            row.unit = "mm";
        }
    }
    for (int k = 0; k < kPalletCount; ++k) {
        for (int j = 0; j < kPalletFieldCount; ++j) {
            ParameterInfo& row = rows[static_cast<std::size_t>(PalletParameter(k, j))];
            row.name = "Pallet " + std::to_string(k) + kPalletSuffixes[j];
            row.unit = PalletUnit(j);
        }
    }
    for (const NamedRow& m : kMachine) {
        ParameterInfo& row = rows[static_cast<std::size_t>(m.number)];
        row.name = m.name;
        row.unit = m.unit;
    }
    return rows;
}

// Columns by kRobotDependentParameters: 0, 6, 8, 11, 12, 16, 20, 24, 32, 33, 38, 41. The first
// digit of the number picks the X stroke (+) and Y stroke (-), the second the Z group.
// clang-format off
constexpr std::array<RobotSet, kRobotSetCount> kRobotSets = {{
    {10, "10:MIVO-PA2", {"10", "150.00", "0.00", "-2.00", "0.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.00", "2"}},
    {11, "11:MIVO-PA3", {"11", "150.00", "50.00", "-2.00", "-5.00", "6.00", "0.1", "200.00", "5.00", "30.00", "0.01", "3"}},
    {12, "12:MIVO-PAL3", {"12", "150.00", "50.00", "-2.00", "-5.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.01", "3"}},
    {20, "20:MIVO-PB2", {"20", "200.00", "0.00", "-2.00", "0.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.00", "2"}},
    {21, "21:MIVO-PB3", {"21", "200.00", "50.00", "-2.00", "-5.00", "6.00", "0.1", "200.00", "5.00", "30.00", "0.01", "3"}},
    {22, "22:MIVO-PBL3", {"22", "200.00", "50.00", "-2.00", "-5.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.01", "3"}},
    {30, "30:MIVO-PC2", {"30", "100.00", "0.00", "-5.00", "0.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.00", "2"}},
    {31, "31:MIVO-PC3", {"31", "100.00", "50.00", "-5.00", "-5.00", "6.00", "0.1", "200.00", "5.00", "30.00", "0.01", "3"}},
    {32, "32:MIVO-PCL3", {"32", "100.00", "50.00", "-5.00", "-5.00", "2.00", "0.1", "70.00", "5.00", "10.00", "0.01", "3"}},
}};
// clang-format on

}  // namespace

const ParameterInfo& ParameterCatalogue(int number) {
    static const std::vector<ParameterInfo> rows = BuildCatalogue();
    return rows.at(static_cast<std::size_t>(number));
}

bool ParameterHasName(int number) { return !ParameterCatalogue(number).name.empty(); }

const std::array<RobotSet, kRobotSetCount>& RobotSets() { return kRobotSets; }

const RobotSet& RobotSetFor(int robotNumber) {
    const RobotSet* fallback = nullptr;
    for (const RobotSet& set : kRobotSets) {
        if (set.robotNumber == robotNumber) return set;
        if (set.robotNumber == kDefaultRobotNumber) fallback = &set;
    }
    return *fallback;
}

std::size_t ValueLength(int number) {
    if (number >= 0 && number < kEditableParameterCount) return RangeWidth(kEditable[number].range);
    // A position as wide as the virtual origin point; a pallet's section numbers and counters
    // of two digits, as a ZEB data file holds them.
    const std::size_t position = ValueLength(PrmVirtualOrigin);
    const std::size_t count = RangeWidth("0 - 99");
    if (number >= kOffsetBase && number < OffsetParameter(kOffsetPrograms, 0)) return position;
    if (number >= kPalletBase && number < PalletParameter(kPalletCount, 0))
        return (number - kPalletBase) % kPalletFieldCount <= PalletY3 ? position : count;
    return 0;
}

}  // namespace mivo
