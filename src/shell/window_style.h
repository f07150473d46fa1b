#pragma once
// Small window habits shared by the shell's screens.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mivo {

// A dialog window with a title but no title-bar buttons.
inline constexpr Qt::WindowFlags kNoTitleButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Places `w` in the middle of its screen (call before it is first shown).
inline void CentreOnScreen(QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = w->frameGeometry().size().isValid() ? w->frameGeometry().size() : w->size();
    w->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// Re-enables a screen the dialog's opener disabled, when it is showing.
inline void EnableIfVisible(QWidget* w) {
    if (w && w->isVisible()) w->setEnabled(true);
}

inline void Enable(QWidget* w) {
    if (w) w->setEnabled(true);
}

}  // namespace mivo
