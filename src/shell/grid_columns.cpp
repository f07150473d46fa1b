#include "shell/grid_columns.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>
#include <QPointer>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>

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
                });
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
            (type == QEvent::FontChange || type == QEvent::ApplicationFontChange)) {
            // After the header has its new font too.
            refitPosted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    refitPosted_ = false;
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

    // The width rows first..last of `column` need to show their texts whole.
    int widest(int column, int first, int last) const {
        const QAbstractItemModel* model = grid_->model();
        QStyleOptionViewItem option;
        option.initFrom(grid_->viewport());
        option.font = grid_->font();
        option.fontMetrics = grid_->fontMetrics();
        option.widget = grid_;
        int width = 0;
        for (int row = std::max(first, 0); row <= last && row < model->rowCount(); ++row) {
            const QModelIndex cell = model->index(row, column);
            if (cell.data().toString().isEmpty()) continue;
            width =
                std::max(width, grid_->itemDelegateForIndex(cell)->sizeHint(option, cell).width());
        }
        return width + (width > 0 && grid_->showGrid() ? 1 : 0);
    }

    void fitAll() {
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

    QTableView* grid_;
    std::vector<int> written_;
    bool refitPosted_ = false;
};

}  // namespace

void FitColumnsToText(QTableView* grid, const std::vector<int>& writtenWidths) {
    new ColumnFitter(grid, writtenWidths);
}

}  // namespace mivo
