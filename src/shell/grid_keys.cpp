#include "shell/grid_keys.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

#include "shell/key_list.h"

namespace mivo {

namespace {

bool HasShortcut(const QAction* action, const QKeyEvent& key) {
    return action && action->shortcuts().contains(QKeySequence(key.keyCombination()));
}

class FieldUndoKeys : public QObject {
  public:
    FieldUndoKeys(QWidget* window, std::function<QAction*()> undo, std::function<QAction*()> redo)
        : QObject(window), window_(window), undo_(std::move(undo)), redo_(std::move(redo)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_) return false;
        auto* field = qobject_cast<QLineEdit*>(widget);
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            field = spin->findChild<QLineEdit*>();
        if (!field) return false;
        for (QWidget* w = field->parentWidget(); w && w != window_; w = w->parentWidget())
            if (qobject_cast<QAbstractItemView*>(w)) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool undo = HasShortcut(undo_(), key);
        const bool redo = HasShortcut(redo_(), key);
        if (!undo && !redo) return false;
        if (undo ? field->isUndoAvailable() : field->isRedoAvailable()) return false;
        // Not accepted: the shortcut, not the field, gets the key.
        event->ignore();
        return true;
    }

  private:
    QWidget* window_;
    std::function<QAction*()> undo_;
    std::function<QAction*()> redo_;
};

}  // namespace

void PassFieldUndoKeys(QWidget* window, std::function<QAction*()> undo,
                       std::function<QAction*()> redo) {
    qApp->installEventFilter(new FieldUndoKeys(window, std::move(undo), std::move(redo)));
}

GridKeyWatcher::GridKeyWatcher(QTableView* grid, std::function<void(const QModelIndexList&)> clear)
    : QObject(grid), grid_(grid), clear_(std::move(clear)) {
    grid->installEventFilter(this);
    TellGridKeys(grid);
}

bool GridKeyWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        constexpr auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (key.key() == Qt::Key_Delete && !(key.modifiers() & shortcut)) {
            clearSelectedCells();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GridKeyWatcher::clearSelectedCells() {
    QModelIndexList cells;
    for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes())
        if (i.flags() & Qt::ItemIsEditable) cells << i;
    const QModelIndex current = grid_->currentIndex();
    if (cells.isEmpty() && (current.flags() & Qt::ItemIsEditable)) cells << current;
    if (!cells.isEmpty()) clear_(cells);
}

int GridKeyWatcher::widthForColumns() const {
    const QTableView* g = grid_;
    const int rowTitles =
        g->verticalHeader()->isHidden() ? 0 : g->verticalHeader()->sizeHint().width();
    constexpr int kMargins = 8;  // the editors' layout margins
    return g->horizontalHeader()->length() + rowTitles + 2 * g->frameWidth() +
           g->verticalScrollBar()->sizeHint().width() + kMargins;
}

}  // namespace mivo
