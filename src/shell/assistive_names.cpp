#include "shell/assistive_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

#include "shell/key_list.h"

namespace mivo {

namespace {

QString Told(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which).trimmed() : QString();
}

QString Tr(const char* text) { return QCoreApplication::translate("mivo", text); }

// A label's text, or a check box's that switches the control after it on ("From" before a
// date); empty for anything else.
QString LabelText(const QLayoutItem* item) {
    const QWidget* w = item ? item->widget() : nullptr;
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* box = qobject_cast<const QCheckBox*>(w))
        text = box->text();
    text = WithoutMnemonic(text).simplified();
    while (text.endsWith(':')) text.chop(1);
    return text.trimmed();
}

bool HasWord(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The layout that holds `item` itself, and its index there.
QLayout* HoldingLayout(QLayout* layout, const QLayoutItem* item, int* index) {
    if (!layout) return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* here = layout->itemAt(i);
        if (here == item || (item->widget() && here->widget() == item->widget())) {
            *index = i;
            return layout;
        }
        if (QLayout* inner = HoldingLayout(here->layout(), item, index)) return inner;
    }
    return nullptr;
}

// The label a form or grid puts beside or above the item at `index`, or the one before it in a
// row: a dash between two fields makes the second the range's end ("Range, to"); a row that
// starts with the control takes the label before the row.
QString LayoutLabel(QLayout* top, QLayout* layout, int index) {
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        int row = 0;
        QFormLayout::ItemRole role{};
        form->getItemPosition(index, &row, &role);
        return LabelText(form->itemAt(row, QFormLayout::LabelRole));
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        if (column > 0)
            if (QString left = LabelText(grid->itemAtPosition(row, column - 1)); HasWord(left))
                return left;
        return row > 0 ? LabelText(grid->itemAtPosition(row - 1, column)) : QString();
    }
    bool dash = false;
    for (int i = index - 1; i >= 0; --i) {
        QLayoutItem* before = layout->itemAt(i);
        if (!before->widget()) continue;  // a space or a stretch
        const QString text = LabelText(before);
        if (HasWord(text)) return dash ? Tr("%1, to").arg(text) : text;
        if (qobject_cast<const QLabel*>(before->widget())) {
            dash = dash || !text.isEmpty();
            continue;
        }
        if (!dash) return {};
    }
    // The row's first control: the label before the row.
    if (layout == top) return {};
    int outer = -1;
    QLayout* parent = HoldingLayout(top, layout, &outer);
    const QString text = parent && outer > 0 ? LabelText(parent->itemAt(outer - 1)) : QString();
    return dash && HasWord(text) ? Tr("%1, to").arg(text) : text;
}

QString LayoutLabel(const QWidget* w) {
    QLayout* top = w->parentWidget() ? w->parentWidget()->layout() : nullptr;
    if (!top) return {};
    QWidgetItem item(const_cast<QWidget*>(w));
    int index = -1;
    QLayout* layout = HoldingLayout(top, &item, &index);
    return layout ? LayoutLabel(top, layout, index) : QString();
}

QString FirstSentence(const QString& text) {
    const QString plain = text.simplified();
    const int end = plain.indexOf(". ");
    QString first = end < 0 ? plain : plain.left(end);
    if (first.endsWith('.')) first.chop(1);
    return first;
}

QString GroupTitle(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto* group = qobject_cast<const QGroupBox*>(p); group && !group->title().isEmpty())
            return WithoutMnemonic(group->title());
    return {};
}

// A title's name part: "MIVO Editor [Parameter]" reads "Parameter".
QString WindowName(const QWidget* w) {
    const QString title = w->window()->windowTitle().remove("[*]").trimmed();
    const int open = title.indexOf('['), close = title.lastIndexOf(']');
    return open >= 0 && close > open ? title.mid(open + 1, close - open - 1) : title;
}

QString NameFor(const QWidget* w) {
    // Qt's own "more" buttons of a bar too narrow for its menus or buttons.
    if (w->objectName() == "qt_menubar_ext_button") return Tr("More menus");
    if (w->objectName() == "qt_toolbar_ext_button") return Tr("More tool-bar buttons");
    if (const QString label = LayoutLabel(w); HasWord(label)) return label;
    if (!w->toolTip().isEmpty()) return FirstSentence(w->toolTip());
    if (auto* edit = qobject_cast<const QLineEdit*>(w); edit && !edit->placeholderText().isEmpty())
        return edit->placeholderText();
    if (const QString group = GroupTitle(w); !group.isEmpty()) return group;
    return WindowName(w);
}

// Qt names a button by its caption and a control by the label whose buddy it is, as they
// change; anything else it names by its group's title at most, which the label beats.
bool NamedByQt(const QWidget* w) {
    if (!w->accessibleName().isEmpty()) return true;
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return !WithoutMnemonic(button->text()).trimmed().isEmpty();
    for (const QLabel* label : w->window()->findChildren<QLabel*>())
        if (label->buddy() == w) return true;
    return false;
}

}  // namespace

bool IsInteractiveControl(const QWidget* w) {
    // A table's headers and scroll bars are the table's; a combo box's list is the box's.
    if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w)) return false;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p)) return false;
    // A table's corner button selects its cells: the table's.
    if (qobject_cast<const QAbstractItemView*>(w->parentWidget())) return false;
    // A spin box's or combo box's own field is named with its box.
    if (qobject_cast<const QLineEdit*>(w) && w->parentWidget() &&
        (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) ||
         qobject_cast<const QComboBox*>(w->parentWidget())))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

void NameControlsForAssistiveTech(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!IsInteractiveControl(w)) continue;
        if (!NamedByQt(w)) {
            const QString name = NameFor(w);
            if (!name.isEmpty()) w->setAccessibleName(name);
        }
        if (w->accessibleDescription().isEmpty() && Told(w, QAccessible::Description).isEmpty() &&
            !w->toolTip().isEmpty())
            w->setAccessibleDescription(w->toolTip());
    }
}

}  // namespace mivo
