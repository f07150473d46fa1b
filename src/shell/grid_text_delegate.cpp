#include "shell/grid_text_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace mivo {

namespace {
// Beyond this many texts the cache starts anew (memory stays bounded).
constexpr qsizetype kLaidOutMost = 20000;
}  // namespace

const QStaticText& GridTextDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != font_ || laidOut_.size() > kLaidOutMost) {
        laidOut_.clear();
        font_ = font;
    }
    auto found = laidOut_.constFind(text);
    if (found == laidOut_.constEnd()) {
        QStaticText made(text);
        made.setTextFormat(Qt::PlainText);
        made.setPerformanceHint(QStaticText::AggressiveCaching);
        made.prepare(QTransform(), font);
        found = laidOut_.insert(text, made);
    }
    return *found;
}

void GridTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyleOptionViewItem::ViewItemFeatures others = QStyleOptionViewItem::HasCheckIndicator |
                                                          QStyleOptionViewItem::HasDecoration |
                                                          QStyleOptionViewItem::WrapText;
    if ((opt.features & others) || opt.text.contains(QLatin1Char('\n'))) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // As the style lays a cell's text out: its margins, then aligned in what is left.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = opt.rect.adjusted(margin, 0, -margin, 0);
    const QString text = opt.text;
    const QStaticText* laid = text.isEmpty() ? nullptr : &laidOut(text, opt.font);
    if (laid && laid->size().width() > room.width()) {
        QStyledItemDelegate::paint(painter, option, index);  // elided as the style does
        return;
    }
    // The cell without its text: background, selection and focus.
    opt.text.clear();
    opt.features &= ~QStyleOptionViewItem::HasDisplay;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (!laid) return;

    QPalette::ColorGroup group =
        opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const QPalette::ColorRole role =
        opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    const QRect at =
        QStyle::alignedRect(opt.direction, opt.displayAlignment, laid->size().toSize(), room);
    painter->save();
    painter->setClipRect(opt.rect, Qt::IntersectClip);
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    painter->drawStaticText(at.topLeft(), *laid);
    painter->restore();
}

}  // namespace mivo
