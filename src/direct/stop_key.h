#pragma once
// The STOP panel's key: Esc anywhere in the window presses STOP, as a click does (nothing while
// the panel is disabled, off line). Esc is the stop key found blind at a keyboard's corner, with
// no Fn on a laptop; the panel shows it under its caption.
#include <QKeySequence>

class QShortcut;
class QWidget;

namespace mivo {

class DirectPanel;

inline const QKeySequence kStopKey{Qt::Key_Escape};

// Binds the key to `stop` in `window` (the key's owner, object name "StopKey"; its what's-this
// names the panel for the keyboard map) and adds the key to the panel's caption.
QShortcut* BindStopKey(QWidget* window, DirectPanel* stop);

}  // namespace mivo
