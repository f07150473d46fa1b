#pragma once
// The parameter table held by the parameter editor (PRMGRID): for every number 0..525 the
// fixed texts of the catalogue, an initial value and a value. Values are the texts as typed,
// read from a file or received, never reformatted: "6", "6.0" and "6.00" differ.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/said_text.h"
#include "common/teach_positions.h"
#include "parameters/parameter_catalogue.h"

namespace mivo {

// PRMGRID's columns; parameter n is shown in row n + 1 under the title row.
enum ParameterColumn : int {
    ColNumber = 0,
    ColName = 1,
    ColUnit = 2,
    ColRange = 3,
    ColInitial = 4,
    ColValue = 5,  // the only column the user edits
};
inline constexpr int kParameterColumnCount = 6;
inline constexpr std::array<const char*, kParameterColumnCount> kParameterColumnTitles = {
    UI_TEXT("mivo::GridParameterModel", "Prm No."),
    UI_TEXT("mivo::GridParameterModel", "Parameter's Name"),
    UI_TEXT("mivo::GridParameterModel", "Unit"),
    UI_TEXT("mivo::GridParameterModel", "Input range"),
    UI_TEXT("mivo::GridParameterModel", "Initial value"),
    UI_TEXT("mivo::GridParameterModel", "Value")};

class ParameterTable {
  public:
    // The table as the editor is created with: robot 22's initial values in both the initial
    // value and the value of 0..43, everything else empty.
    ParameterTable();

    // The text of (column, number); the first four columns come from the catalogue. A number
    // beyond 0..525 or a column beyond 0..5 throws std::out_of_range.
    const std::string& cell(int column, int number) const;

    // Numbers 0..525, unchecked.
    const std::string& value(int number) const { return values_[Index(number)]; }
    void setValue(int number, std::string text) { values_[Index(number)] = std::move(text); }
    const std::string& initial(int number) const { return initials_[Index(number)]; }
    void setInitial(int number, std::string text) { initials_[Index(number)] = std::move(text); }

    bool operator==(const ParameterTable&) const = default;

  private:
    static std::size_t Index(int number) { return static_cast<std::size_t>(number); }

    std::array<std::string, kParameterCount> initials_;
    std::array<std::string, kParameterCount> values_;
};

// "New programming": robot 22's initial values into both the initial value and the value of
// 0..43.
void ResetToInitialValues(ParameterTable& table);

// After a receive, an initialisation or an open: the initial values of 0..43 for the robot
// number held as the value of parameter 0. The robot-independent ones are written first; then
// the robot number is read as an integer and its set (robot 22's for a number without one) is
// written, parameter 0's initial value showing the set's number. Values are never touched.
// A robot number that is no integer throws ConversionError with the robot-dependent initial
// values as they were.
void InitialValuesByRobot(ParameterTable& table);

// ZI position teach: the teaching screen shows Z alone, from the value of parameter 4 "Virtual
// origin point"; "OK" writes the taught Z there and nothing else.
TeachPositions ZiTeachPositions(const ParameterTable& table);
void WriteTaughtZi(ParameterTable& table, const TeachTexts& taught);

// The parameters as a listing prints them: the values of `first` to `last` (at most 43).
std::vector<std::string> ParameterListingValues(const ParameterTable& table, int first, int last);

}  // namespace mivo
