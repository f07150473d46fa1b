#include "shell/focus_keeper.h"

#include <QApplication>

namespace mivo {

void FocusKeeper::setEnabled(const std::vector<QWidget*>& widgets, bool on) {
    QWidget* const focused = QApplication::focusWidget();
    for (QWidget* w : widgets) {
        if (!on && resting_ && focused && w->isEnabled() &&
            (w == focused || w->isAncestorOf(focused))) {
            before_ = focused;
            resting_->setFocus(Qt::OtherFocusReason);
        }
        w->setEnabled(on);
    }
    if (on && before_ && before_->isEnabled() && QApplication::focusWidget() == resting_) {
        before_->setFocus(Qt::OtherFocusReason);
        before_ = nullptr;
    }
}

}  // namespace mivo
