#pragma once
// The file given on the command line (a data file double-clicked in the file manager).
#include <QString>

namespace mivo {

struct CreatedScreens;

// Shows the editor of `path`'s kind (by its extension: .stp, .prm, .plt, .off) in place of the
// start screen, off line, and opens the file there. False, with nothing shown, for a name of no
// kind.
bool OpenInEditor(CreatedScreens& screens, const QString& path);

}  // namespace mivo
