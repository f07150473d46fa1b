#pragma once
// Small window habits shared by the shell's screens.
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QVBoxLayout>
#include <QWidget>
#include <initializer_list>

namespace mivo {

// A dialog window with a title but no title-bar buttons.
inline constexpr Qt::WindowFlags kNoTitleButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Marks `w` as placed where it was last time: CentreOnScreen leaves it there.
inline void MarkPlaced(QWidget* w) { w->setProperty("mivoPlaced", true); }

// Where a window goes among the screens' available areas, given the rectangle its frame would
// take: onto the area it overlaps most (the first when it overlaps none), no larger than that
// area, wholly inside. A window that fits stays as it is.
QRect KeptOnScreen(QRect frame, const QList<QRect>& areas);

// Keeps the window `w` wholly on the screen it opens on (KeptOnScreen, frame included): moved
// onto it, and made smaller when the screen is too small for it (its least size gives way, and
// its contents scroll where it lays them out in a ScrolledArea). A window that fits keeps its
// size and place.
void FitOnScreen(QWidget* w);
// Fits every window of the application to its screen each time it is shown (FitOnScreen).
void FitWindowsOnScreen();

// A frameless scroll area around `content`: no scroll bar while the window gives it the room
// its contents need; scroll bars where a small screen does not.
QWidget* ScrolledArea(QWidget* content);

// Keeps `text` showing its last line as lines come, as long as its reader has not scrolled away
// from them; also when its height changes under it (a notice shown above or below it), which
// would otherwise leave the last line out of sight and stop the following for good.
void FollowNewLines(QPlainTextEdit* text);

// A window's remembered place: its frame's top left and its size without the frame.
QRect PlaceOf(const QWidget* w);
// Puts `w` at a remembered place (its size kept where it is fixed), kept on the screens, and
// marks it placed.
void PlaceWindow(QWidget* w, QRect place);

// Places `w` in the middle of its screen (call before it is first shown), unless it was placed.
void CentreOnScreen(QWidget* w);

// Fixes `w` at its written size, or larger where its contents need more (a larger font), so that
// no caption is cut; smaller only on a screen too small for it (FitOnScreen).
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

// The red bold notice of the start screen and the transfer dialogs ("Transferring"); returns
// its bold font, for the buttons beside it.
QFont SetRedBold(QWidget* label);

// Makes `w`'s font bold; returns that font.
QFont SetBold(QWidget* w);

// A push button with its caption and object name.
QPushButton* NamedButton(const QString& text, const char* name, QWidget* parent);

// The small dialogs' layout: `widgets` in a column with `button` centred below them.
QVBoxLayout* ColumnAboveButton(QWidget* dialog, std::initializer_list<QWidget*> widgets,
                               QPushButton* button);

// Re-enables a screen the dialog's opener disabled, when it is showing.
inline void EnableIfVisible(QWidget* w) {
    if (w && w->isVisible()) w->setEnabled(true);
}

inline void Enable(QWidget* w) {
    if (w) w->setEnabled(true);
}

}  // namespace mivo
