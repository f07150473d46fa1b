#include "shell/window_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWindow>

namespace mivo {

void CentreOverOwner(QWidget* dialog) {
    const QWindow* owner =
        dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
    QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect r(QPoint(), dialog->frameGeometry().size());
    r.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    // An owner near the edge does not push the dialog off the screen.
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() - r.width())));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() - r.height())));
    dialog->move(r.topLeft());
}

int TitleWidth(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    // The window manager's icon and its three buttons, with their margins.
    constexpr int kFrameParts = 130;
    return QFontMetrics(bold).horizontalAdvance(title) + kFrameParts;
}

void ShowOver(QWidget* dialog, QWidget* opener) {
    QWidget* owner = opener ? opener->window() : nullptr;
    QWindow* ownerWindow = owner && owner->isVisible() ? owner->windowHandle() : nullptr;
    const int width = TitleWidth(dialog->windowTitle());
    if (dialog->maximumWidth() < width) dialog->setMaximumWidth(width);
    if (dialog->minimumWidth() < width) dialog->setMinimumWidth(width);
    dialog->winId();  // the native window, to be told its owner before it is mapped
    QWindow* window = dialog->windowHandle();
    if (window->transientParent() != ownerWindow) {
        // The window manager reads the owner when the window is mapped.
        dialog->hide();
        window->setTransientParent(ownerWindow);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace mivo
