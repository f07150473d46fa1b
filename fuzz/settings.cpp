// mivo-editor's settings file: read as the editor restores it at start, then every value as
// the editors and windows take theirs (lists of files, places).
#include <QSettings>

#include "app/remembered.h"
#include "fuzz_input.h"
#include "shell/screens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QSettings settings(QString::fromStdString(mivo::fuzz::AsFile(mivo::fuzz::Text(data, size))),
                       QSettings::IniFormat);
    mivo::Screens screens;
    if (!mivo::RestoreSettings(settings, screens, true)) return 0;
    for (const QString& key : settings.allKeys()) {
        settings.value(key).toStringList();
        settings.value(key).toRect();
    }
    return 0;
}
