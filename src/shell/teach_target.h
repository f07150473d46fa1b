#pragma once
// What the teaching screen is handed by the screen that opens it: the heading, the positions
// it starts from and which of them it shows, and where "OK" writes the taught positions. The
// opener keeps the target while the teaching screen is open; "Cancel" calls nothing.
#include <functional>
#include <string>
#include <utility>

#include "common/teach_positions.h"
#include "files/data_kind.h"

class QWidget;

namespace mivo {

class TeachTarget {
  public:
    virtual ~TeachTarget() = default;
    // "Step position teach", "  ZI position teach  ", "Pallet position teach", "Offset
    // position teach".
    virtual std::string heading() const = 0;
    virtual TeachPositions preset() const = 0;
    // The taught texts go into the opener's data, one undoable edit that sets its modified
    // flag. `program` is the program number the controller reported; only the offset editor
    // takes it.
    virtual void writeBack(const TeachTexts& taught, const std::string& program = {}) = 0;
};

// A target made of the opener's own functions.
class OpenerTeachTarget : public TeachTarget {
  public:
    using Write = std::function<void(const TeachTexts&, const std::string& program)>;
    OpenerTeachTarget(std::string heading, std::function<TeachPositions()> preset, Write write)
        : heading_(std::move(heading)), preset_(std::move(preset)), write_(std::move(write)) {}
    std::string heading() const override { return heading_; }
    TeachPositions preset() const override { return preset_(); }
    void writeBack(const TeachTexts& taught, const std::string& program = {}) override {
        write_(taught, program);
    }

  private:
    std::string heading_;
    std::function<TeachPositions()> preset_;
    Write write_;
};

// The teaching screen as its openers reach it (`EditorLinks::teach`, the command-entry dialog).
class TeachScreenAccess {
  public:
    virtual ~TeachScreenAccess() = default;
    // Presets the screen from `target` and runs `opener`'s move on the main channel: the step,
    // ZI and pallet openers show the screen, ask their question and move there, its fields
    // taking the positions read; the offset opener asks its question, checks the origin and
    // shows the step chooser. `number`: the step number, or the pallet number as typed.
    // `openerWindow` stays disabled until the screen closes; "OK" writes into `target`.
    virtual void teachFor(DataKind opener, TeachTarget& target, const std::string& number,
                          QWidget* openerWindow) = 0;
};

}  // namespace mivo
