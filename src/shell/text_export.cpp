#include "shell/text_export.h"

#include "common/prompter.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "files/file_io.h"
#include "shell/file_chooser.h"

namespace mivo {

bool SaveTextFile(QWidget* parent, FileChooser* chooser, Prompter& prompter, const TextExport& how,
                  const std::function<std::string()>& content) {
    DialogFileChooser dialogs;
    FileChooser& choose = chooser ? *chooser : dialogs;
    QString name = how.proposal;
    int filter = 1;
    if (!choose.chooseSave(parent, how.filters, name, filter)) return false;
    if (filter == 1 && QFileInfo(name).suffix().isEmpty()) name += how.extension;
    const std::string path = name.toStdString();
    if (FileExists(path) &&
        !prompter.ask(QT_TRANSLATE_NOOP("Message", "File of the same name exists.  Overwrite?"),
                      how.caption))
        return false;
    std::string reason;
    if (WriteWholeFile(path, content(), reason)) return true;
    prompter.notify(Filled(UI_TEXT("Message", "%1 could not be saved to %2: %3"),
                           {how.what, EscapeControlBytes(path), reason}),
                    how.caption);
    return false;
}

}  // namespace mivo
