#include "app/open_file.h"

#include "app/create_screens.h"
#include "shell/editor_frame.h"
#include "shell/start_screen.h"

namespace mivo {

bool OpenInEditor(CreatedScreens& screens, const QString& path) {
    for (EditorFrame* editor : Editors(screens)) {
        if (!editor->takesFileName(path)) continue;
        if (screens.tselect) screens.tselect->hide();
        editor->show();
        editor->raise();
        editor->openNamed(path);
        return true;
    }
    return false;
}

}  // namespace mivo
