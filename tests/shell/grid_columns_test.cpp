// The grids' columns fit their texts: each text is measured once at a font, so that an edit
// moving every row (an insert at step 0 of a thousand) costs no text shaping.
#include "shell/grid_columns.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>

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

}  // namespace
}  // namespace mivo
