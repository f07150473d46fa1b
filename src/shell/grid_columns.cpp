#include "shell/grid_columns.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>
#include <optional>

#include "shell/text_grid_model.h"

namespace mivo {

namespace {

class ColumnFitter : public QObject {
  public:
    ColumnFitter(QTableView* grid, std::vector<int> written)
        : QObject(grid), grid_(grid), written_(std::move(written)) {
        grid->installEventFilter(this);
        QAbstractItemModel* model = grid->model();
        connect(model, &QAbstractItemModel::modelReset, this, [this] { fitAll(); });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { fitAll(); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to) {
                    widen(from.row(), to.row(), from.column(), to.column());
                    moved_.clear();
                });
        // Rows that only moved hold texts measured before, which their columns fit.
        if (auto* texts = qobject_cast<TextGridModel*>(model))
            connect(texts, &TextGridModel::rowsOnlyMoved, this,
                    [this](const std::vector<bool>& rows) { moved_ = rows; });
        // A stretched last column starts as written, so that the window's width counts it.
        QHeaderView* header = grid->horizontalHeader();
        const int last = header->count() - 1;
        if (header->stretchLastSection() && last >= 0 &&
            static_cast<std::size_t>(last) < written_.size())
            header->resizeSection(last, std::max(written_[static_cast<std::size_t>(last)],
                                                 header->sectionSizeHint(last)));
        fitAll();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == grid_ && !refitPosted_ &&
            (type == QEvent::FontChange || type == QEvent::ApplicationFontChange ||
             type == QEvent::StyleChange)) {
            // After the header has its new font too.
            refitPosted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    refitPosted_ = false;
                    measured_.clear();
                    fitAll();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool fitted(int column) const {
        const QHeaderView* header = grid_->horizontalHeader();
        if (header->stretchLastSection() && column == header->count() - 1) return false;
        const QHeaderView::ResizeMode mode = header->sectionResizeMode(column);
        return mode == QHeaderView::Interactive || mode == QHeaderView::Fixed;
    }

    // The width rows first..last of `column` need to show their texts whole. Each text is
    // measured once at a font: an edit that moves rows (an insert at step 0 moves a thousand)
    // brings texts measured before.
    int widest(int column, int first, int last) {
        const QAbstractItemModel* model = grid_->model();
        if (measured_.size() <= static_cast<std::size_t>(column))
            measured_.resize(static_cast<std::size_t>(column) + 1);
        QHash<QString, int>& known = measured_[static_cast<std::size_t>(column)];
        if (known.size() > kMeasuredMost) known.clear();
        std::optional<QStyleOptionViewItem> option;
        int width = 0;
        const int rows = model->rowCount();
        for (int row = std::max(first, 0); row <= last && row < rows; ++row) {
            if (static_cast<std::size_t>(row) < moved_.size() &&
                moved_[static_cast<std::size_t>(row)])
                continue;
            const QModelIndex cell = model->index(row, column);
            const QString text = cell.data().toString();
            if (text.isEmpty()) continue;
            auto found = known.constFind(text);
            if (found == known.constEnd()) {
                if (!option) option = viewItemOption();
                found = known.insert(
                    text, grid_->itemDelegateForIndex(cell)->sizeHint(*option, cell).width());
            }
            width = std::max(width, *found);
        }
        return width + (width > 0 && grid_->showGrid() ? 1 : 0);
    }

    QStyleOptionViewItem viewItemOption() const {
        QStyleOptionViewItem option;
        option.initFrom(grid_->viewport());
        option.font = grid_->font();
        option.fontMetrics = grid_->fontMetrics();
        option.widget = grid_;
        return option;
    }

    void fitAll() {
        moved_.clear();  // every row is read again
        QHeaderView* header = grid_->horizontalHeader();
        const int rows = grid_->model()->rowCount();
        for (int c = 0; c < header->count(); ++c) {
            if (!fitted(c)) continue;
            const std::size_t i = static_cast<std::size_t>(c);
            const int written = i < written_.size() ? written_[i] : header->sectionSize(c);
            header->resizeSection(
                c, std::max({written, header->sectionSizeHint(c), widest(c, 0, rows - 1)}));
        }
    }

    void widen(int first, int last, int firstColumn, int lastColumn) {
        QHeaderView* header = grid_->horizontalHeader();
        for (int c = std::max(firstColumn, 0); c <= lastColumn && c < header->count(); ++c) {
            if (!fitted(c)) continue;
            const int needed = widest(c, first, last);
            if (needed > header->sectionSize(c)) header->resizeSection(c, needed);
        }
    }

    // Beyond this many texts a column's widths are measured afresh (memory stays bounded).
    static constexpr qsizetype kMeasuredMost = 20000;

    QTableView* grid_;
    std::vector<int> written_;
    std::vector<QHash<QString, int>> measured_;  // per column: a text's width at the font
    bool refitPosted_ = false;
    std::vector<bool> moved_;  // the rows the coming dataChanged only moved
};

}  // namespace

void FitColumnsToText(QTableView* grid, const std::vector<int>& writtenWidths) {
    new ColumnFitter(grid, writtenWidths);
}

}  // namespace mivo
