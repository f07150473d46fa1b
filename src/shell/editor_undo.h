#pragma once
// Undo and redo of an editor whose data are small (a parameter table, a pallet, one program's
// offsets): each edit keeps the data whole before and after. The step editor keeps only the
// rows it changed (steps/grid_undo.h); both go on the editor frame's one undo stack.
#include <QUndoCommand>
#include <functional>
#include <utility>

namespace mivo {

template <class Data>
class SnapshotEdit : public QUndoCommand {
  public:
    // The change is in `data` already when the edit is pushed; `touched` runs after every undo
    // and redo (the editor shows the data). Edits with the same
    // `mergeKey` (not -1) pushed one after the other are one edit (the keys typed into a field).
    SnapshotEdit(const QString& text, Data& data, Data before, std::function<void()> touched,
                 int mergeKey = -1)
        : QUndoCommand(text),
          data_(data),
          before_(std::move(before)),
          after_(data),
          touched_(std::move(touched)),
          mergeKey_(mergeKey) {}

    void undo() override { put(before_); }
    void redo() override {
        // QUndoStack::push runs redo once; the change is in the data already.
        if (pushed_) put(after_);
        pushed_ = true;
    }
    int id() const override { return mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override {
        after_ = static_cast<const SnapshotEdit*>(other)->after_;
        return true;
    }

  private:
    void put(const Data& value) {
        data_ = value;
        if (touched_) touched_();
    }

    Data& data_;
    Data before_;
    Data after_;
    std::function<void()> touched_;
    int mergeKey_;
    bool pushed_ = false;
};

}  // namespace mivo
