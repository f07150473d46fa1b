#pragma once
// Small window habits shared by the shell's screens.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mivo {

// A dialog window with a title but no title-bar buttons.
inline constexpr Qt::WindowFlags kNoTitleButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Marks `w` as placed where it was last time: CentreOnScreen leaves it there.
inline void MarkPlaced(QWidget* w) { w->setProperty("mivoPlaced", true); }

// Places `w` in the middle of its screen (call before it is first shown), unless it was placed.
inline void CentreOnScreen(QWidget* w) {
    if (w->property("mivoPlaced").toBool()) return;
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = w->frameGeometry().size().isValid() ? w->frameGeometry().size() : w->size();
    w->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// Fixes `w` at its written size, or larger where its contents need more (a larger font), so that
// no caption is cut.
inline void SetFixedWrittenSize(QWidget* w, QSize written) {
    w->setFixedSize(written.expandedTo(w->minimumSizeHint()));
}

// Places a dialog in the middle of the window it belongs to (ShowOver), kept on the screen; in
// the middle of the screen when it belongs to none. Dialogs call it as they are shown.
void CentreOverOwner(QWidget* dialog);

// The least width at which a window's title reads whole: its text in the bold application font
// beside the window manager's icon and buttons.
int TitleWidth(const QString& title);

// Shows `dialog` as a window of `opener` (of the window the opener is in), so that the window
// manager keeps it above that window: raising the opener, disabled meanwhile, cannot hide it.
// Without an opener showing, it belongs to no window. The dialog is made wide enough for its
// title.
void ShowOver(QWidget* dialog, QWidget* opener);

// Re-enables a screen the dialog's opener disabled, when it is showing.
inline void EnableIfVisible(QWidget* w) {
    if (w && w->isVisible()) w->setEnabled(true);
}

inline void Enable(QWidget* w) {
    if (w) w->setEnabled(true);
}

}  // namespace mivo
