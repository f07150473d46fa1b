#pragma once
// What the editor remembers between runs, in a settings file in the user's configuration folder
// (app/settings_file): the COM choice and the device it opens, each editor's last folder and
// recent files, and the windows' sizes and positions.
#include <QString>

namespace mivo {

struct CreatedScreens;

// ~/.config/mivo/mivo-editor.conf ($XDG_CONFIG_HOME for ~/.config).
QString SettingsPath();

// Puts what the settings file at `path` remembers into the screens; false when it was not read.
// A file that cannot be read or is damaged is kept aside as PATH.damaged (so that the end of the
// run writes a sound one in its place) and said in one line on standard error, as is something
// else standing in its place. Without `com` (the command line chose the devices) the COM choice
// is left as it is.
bool RestoreSettings(const QString& path, CreatedScreens& screens, bool com);
// Writes the screens' state to `path`, the COM choice only with `com`; a window not shown in
// this run keeps the place the file had for it. False, said in one line on standard error, when
// it cannot be written.
bool SaveSettings(const QString& path, const CreatedScreens& screens, bool com);

}  // namespace mivo
