#include "shell/editor_document.h"

#include <QFileInfo>

namespace mivo {

QString EditorDocument::title() const {
    QString title = caption_;
    if (!file_.isEmpty()) title += " - " + QFileInfo(file_).fileName();
    if (modified_) title += " *";
    return title;
}

void EditorDocument::setFile(const QString& path) {
    file_ = path;
    const QFileInfo info(file_);
    lastFolder_ = info.absolutePath();
    QStringList recent = recent_;
    recent.removeAll(info.absoluteFilePath());
    recent.prepend(info.absoluteFilePath());
    setRecentFiles(recent);
}

void EditorDocument::dropRecentFile(const QString& path) {
    recent_.removeAll(QFileInfo(path).absoluteFilePath());
}

}  // namespace mivo
