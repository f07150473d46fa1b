#pragma once
// The keys an editor's window watches: Delete over its grid empties the selected cells, and
// the undo and redo keys in a field with nothing of its own to undo go on to the Edit menu.
#include <QModelIndexList>
#include <QObject>
#include <functional>

class QAction;
class QTableView;
class QWidget;

namespace mivo {

class GridKeyWatcher : public QObject {
  public:
    // `clear` empties the cells given (the editable ones selected, else the current one).
    GridKeyWatcher(QTableView* grid, std::function<void(const QModelIndexList&)> clear);

    QTableView* grid() const { return grid_; }
    // The least window width at which the grid shows its columns whole, beside its scroll bar.
    int widthForColumns() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void clearSelectedCells();

    QTableView* grid_;
    std::function<void(const QModelIndexList&)> clear_;
};

// A field of `window` (PALLET No., PgmNo., a range box) takes the undo and redo keys for its
// own text even when it has nothing to undo; then they go on to the window's `undo` and `redo`
// actions. A cell's editor in a grid keeps them: the editor's undo would change the cell it
// edits. Installed on the application, owned by `window`.
void PassFieldUndoKeys(QWidget* window, std::function<QAction*()> undo,
                       std::function<QAction*()> redo);

}  // namespace mivo
