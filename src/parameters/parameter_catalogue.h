#pragma once
// The controller's numbered parameter memory, 0 to 525, as the editor knows it: each number's
// name, unit, input-range text and initial value, and the robot sets the initial values follow.
// Offsets (100..123) and pallets (200..419) live in the same memory and are named here too.
#include <array>
#include <cstddef>
#include <string>

namespace mivo {

inline constexpr int kParameterCount = 526;  // numbers 0..525
// The section the parameter editor shows, files and transfers (PRMGRID rows 1..44).
inline constexpr int kEditableParameterCount = 44;

// Parameters that rules single out.
enum ParameterNumber : int {
    PrmRobotNumber = 0,
    PrmVirtualOrigin = 4,  // "Virtual origin point", set by ZI position teach
    PrmXLead = 14,         // X, Y, Z, R leads: 14..17
    PrmXAccelerate = 18,   // 18..21
    PrmXMaxSpeed = 22,     // 22..25
    PrmLinearSpeed = 26,
    PrmX12Speed = 28,  // X1 / X2 speed; X3 speed is 29, then Y 30/31, Z 32/33, R 34/35
    PrmIoStateAtEmergency = 43,
};

inline constexpr int kAxisCount = 4;  // X 0, Y 1, Z 2, R 3
inline constexpr const char kAxisLetters[] = "XYZR";

// Offsets: four axes for each program PGM 0..5.
inline constexpr int kOffsetBase = 100;
inline constexpr int kOffsetPrograms = 6;
// The parameter of `axis` (0..3) of program `program`. No range check: the offset screen's
// receive reads a program number beyond 5 as typed.
constexpr int OffsetParameter(int program, int axis) {
    return kOffsetBase + kAxisCount * program + axis;
}

// Pallets: eleven fields for each pallet 0..19.
inline constexpr int kPalletBase = 200;
inline constexpr int kPalletCount = 20;
inline constexpr int kPalletFieldCount = 11;
enum PalletField : int {
    PalletX1 = 0,
    PalletY1,
    PalletZ1,
    PalletX2,
    PalletY2,
    PalletX3,
    PalletY3,
    PalletXPartitions,
    PalletYPartitions,
    PalletXCounter,  // the counters are never sent
    PalletYCounter,
};
// The parameter of `field` of pallet `pallet`. No range check, as for offsets.
constexpr int PalletParameter(int pallet, int field) {
    return kPalletBase + kPalletFieldCount * pallet + field;
}

// One number's fixed texts, the first five columns of PRMGRID. Numbers without a name (the
// reserved 3 and 5, 44..99, 124..199, 420..499) have every text but `number` empty.
struct ParameterInfo {
    std::string number;  // "0" .. "525"
    std::string name;
    std::string unit;
    std::string range;    // shown; a value's length follows from it (ValueLength), nothing else
    std::string initial;  // robot 22's initial value, parameters 0..43 only
};

// The catalogue entry of `number` (0..525).
const ParameterInfo& ParameterCatalogue(int number);

// True when `number` has a name. Every walk over 0..43 skips the others (3 and 5).
bool ParameterHasName(int number);

// The most characters a value of `number` may have, so that it fits the controller's field
// and no file line or command carries more: for 0..43 the widest number of the input range
// written with the two decimals values carry ("1 - 200": "200.00", 6; "-999.99 - 999.99": 7);
// offsets and pallet corners are positions as wide as the virtual origin point; pallet section
// numbers and counters two digits, so "99.00". 0 for a number that holds no value (3, 5, the
// unnamed ones).
std::size_t ValueLength(int number);

// The robot-dependent initial values: one set per robot number the controller knows.
inline constexpr int kRobotDependentCount = 12;
inline constexpr std::array<int, kRobotDependentCount> kRobotDependentParameters = {
    0, 6, 8, 11, 12, 16, 20, 24, 32, 33, 38, 41};

struct RobotSet {
    int robotNumber;
    const char* entry;  // the initialisation dialog's list entry, "22:MIVO-PBL3"
    std::array<const char*, kRobotDependentCount> initial;  // by kRobotDependentParameters
};

inline constexpr int kRobotSetCount = 9;
// In the order of the initialisation dialog's list: 10, 11, 12, 20, 21, 22, 30, 31, 32.
const std::array<RobotSet, kRobotSetCount>& RobotSets();

// The set a robot number chooses: its own for the nine known numbers, robot 22's otherwise.
const RobotSet& RobotSetFor(int robotNumber);

inline constexpr int kDefaultRobotNumber = 22;

}  // namespace mivo
