#pragma once
// The step program held by the step editor: 1000 steps of eight texts each. The texts are the
// data (bytes as typed, read from a file or received), never reformatted.
#include <array>
#include <string>

namespace mivo {

inline constexpr int kStepCount = 1000;
inline constexpr int kStepFieldCount = 8;

// Field order: also the grid's column order (after the step-number column), the file's and
// the transfer payload's.
enum StepField : int {
    FieldCommand = 0,
    FieldOperation = 1,  // OperationField: code digit + two-digit parameter
    FieldX = 2,
    FieldY = 3,
    FieldZ = 4,
    FieldR = 5,
    FieldJump = 6,
    FieldComment = 7,
};

struct StepRow {
    std::array<std::string, kStepFieldCount> fields;

    std::string& operator[](int f) { return fields[static_cast<std::size_t>(f)]; }
    const std::string& operator[](int f) const { return fields[static_cast<std::size_t>(f)]; }
    bool empty() const {
        for (const auto& f : fields)
            if (!f.empty()) return false;
        return true;
    }
    void clear() {
        for (auto& f : fields) f.clear();
    }
    bool operator==(const StepRow&) const = default;
};

// Steps are indexed by step number 0..999 (the grid shows step s in row s + 1).
class StepTable {
  public:
    // Not constexpr: clang 14 crashes trying to evaluate the 8000 empty texts as a constant.
    StepTable() {}
    StepRow& operator[](int step) { return rows_[static_cast<std::size_t>(step)]; }
    const StepRow& operator[](int step) const { return rows_[static_cast<std::size_t>(step)]; }
    void clear() {
        for (auto& r : rows_) r.clear();
    }
    bool operator==(const StepTable&) const = default;

  private:
    std::array<StepRow, kStepCount> rows_{};
};

}  // namespace mivo
