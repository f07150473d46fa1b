#pragma once
// The keys of the program's windows, read from the windows themselves so that the list never
// goes stale: each menu item and action with a shortcut (by its menu path), each window-wide key
// (QShortcut, named by its what's-this), and the keys a control handles by itself, told on the
// control with `TellKey` (a grid's moves, Enter on a step).
#include <QList>
#include <QString>
#include <vector>

class QWidget;

namespace mivo {

struct KeyEntry {
    QString window;   // the window's title
    QString command;  // "Edit > Undo", a pop-up menu's item, what a key does
    QString keys;     // as the desktop writes them: "Ctrl+Z, Ctrl+Shift+Z"
};

// A key `widget` handles itself, for the keyboard map: `keys` as they are written (several
// separated by commas), `what` they do.
void TellKey(QWidget* widget, const QString& keys, const QString& what);
// The keys every editor grid handles: the moves (arrows, Home/End, Page Up/Down) and Delete.
void TellGridKeys(QWidget* grid);

// The keys of `windows`, window by window in the order given, each window's menus first.
std::vector<KeyEntry> KeysOf(const QList<QWidget*>& windows);
// Tab-separated lines, a heading first: for the clipboard.
QString KeysAsText(const std::vector<KeyEntry>& keys);
// A menu's or an item's text as read: the mnemonic's '&' gone ("&&" is one '&').
QString WithoutMnemonic(const QString& text);

}  // namespace mivo
