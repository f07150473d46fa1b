// The grids' columns fit their texts: each text is measured once at a font, so that an edit
// moving every row (an insert at step 0 of a thousand) costs no text shaping.
#include "shell/grid_columns.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include "shell/text_grid_model.h"

namespace mivo {
namespace {

class CountingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++measured;
        return QStyledItemDelegate::sizeHint(option, index);
    }
    mutable int measured = 0;
};

TEST(GridColumns, EachTextIsMeasuredOnceAtAFont) {
    constexpr int kRows = 1000;
    QStandardItemModel model(kRows, 3);
    for (int row = 0; row < kRows; ++row) {
        model.setData(model.index(row, 0), "POI");
        model.setData(model.index(row, 1), QString::number(row % 100) + ".00");
        model.setData(model.index(row, 2), "comment");
    }
    QTableView grid;
    grid.setModel(&model);
    CountingDelegate delegate;
    grid.setItemDelegate(&delegate);
    grid.horizontalHeader()->setStretchLastSection(true);
    FitColumnsToText(&grid, {10, 10, 100});
    // The fitted columns' distinct texts: "POI" and "0.00" to "99.00".
    EXPECT_EQ(delegate.measured, 1 + 100);
    const int valueWidth = grid.horizontalHeader()->sectionSize(1);

    // Every row one down, as an insert at the top moves them, one signal for all.
    {
        const QSignalBlocker quiet(&model);
        for (int row = kRows - 1; row > 0; --row)
            for (int column = 0; column < 3; ++column)
                model.setData(model.index(row, column), model.index(row - 1, column).data());
        for (int column = 0; column < 3; ++column) model.setData(model.index(0, column), "");
    }
    emit model.dataChanged(model.index(0, 0), model.index(kRows - 1, 2));
    EXPECT_EQ(delegate.measured, 1 + 100);
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(1), valueWidth);

    // A new, wider text is measured and widens its column.
    model.setData(model.index(5, 1), "-999.99 wider");
    EXPECT_EQ(delegate.measured, 1 + 100 + 1);
    EXPECT_GT(grid.horizontalHeader()->sectionSize(1), valueWidth);

    // Another font measures every text again.
    QFont larger = grid.font();
    larger.setPointSize(larger.pointSize() * 2);
    grid.setFont(larger);
    QApplication::processEvents();
    EXPECT_GT(delegate.measured, 1 + 100 + 1);
    EXPECT_GT(grid.horizontalHeader()->sectionSize(0),
              QFontMetrics(grid.font()).horizontalAdvance("POI"));
}

// A grid of texts that tells which rows an edit only moved, and counts the texts read.
class MovingTexts : public TextGridModel {
  public:
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        ++read;
        return texts[static_cast<std::size_t>(index.row())];
    }
    // Every row one down and `top` at row 0, as an insert at the top does.
    void insertAtTop(const QString& top) {
        texts.insert(texts.begin(), top);
        texts.pop_back();
        std::vector<bool> moved(texts.size(), true);
        moved[0] = false;
        emit rowsOnlyMoved(moved);
        emit dataChanged(index(0, 0), index(rows() - 1, 0));
    }
    std::vector<QString> texts = std::vector<QString>(1000, "12.00");
    mutable int read = 0;

  private:
    int rows() const override { return static_cast<int>(texts.size()); }
    int columns() const override { return 1; }
};

TEST(GridColumns, RowsThatOnlyMovedAreNotReadAndANewTextStillWidens) {
    MovingTexts model;
    QTableView grid;
    grid.setModel(&model);
    FitColumnsToText(&grid, {10});
    const int width = grid.horizontalHeader()->sectionSize(0);

    model.read = 0;
    model.insertAtTop("-1234.56 a wider text");
    EXPECT_LE(model.read, 2);  // the new row only: its text, then measured
    EXPECT_GT(grid.horizontalHeader()->sectionSize(0), width);

    // The flags hold for one change only: the next reads every row it names.
    model.read = 0;
    emit model.dataChanged(model.index(0, 0), model.index(999, 0));
    EXPECT_EQ(model.read, 1000);
}

}  // namespace
}  // namespace mivo
