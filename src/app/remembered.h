#pragma once
// What the editor remembers between runs, in a settings file in the user's configuration folder:
// the COM choice and the device it opens, each editor's last folder and recent files, and the
// windows' sizes and positions.
#include <QList>
#include <QRect>

class QSettings;

namespace mivo {

struct Screens;

// Puts what `settings` remember into the screens. A damaged file, or one holding a value that
// makes no sense, is ignored whole with one line on standard error; false then. Without
// `com` (the command line chose the devices) the COM choice is left as it is.
bool RestoreSettings(QSettings& settings, Screens& screens, bool com);
// Writes the screens' state into `settings`, replacing a damaged file; the COM choice only with
// `com`.
void SaveSettings(QSettings& settings, const Screens& screens, bool com);

// Where a window remembered at `window` goes among the screens' available areas: onto the area
// it overlaps most (the first when it overlaps none), no larger than that area, wholly inside.
QRect KeptOnScreen(QRect window, const QList<QRect>& areas);

}  // namespace mivo
