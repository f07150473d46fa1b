#pragma once
// The editors' grids draw their cells' texts from a cache of laid-out texts: a grid repaints
// every cell in sight at each edit, and laying the same few texts out again each time would cost
// more than the edit. A text wider than its cell (elided) and a cell with more than a text are
// drawn as the style draws them.
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace mivo {

class GridTextDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    // The text laid out at `font`, made once.
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> laidOut_;
    mutable QFont font_;  // the font of laidOut_
};

}  // namespace mivo
