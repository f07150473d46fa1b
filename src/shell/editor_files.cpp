#include "shell/editor_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "codepage/cp1252.h"
#include "common/prompter.h"
#include "files/data_files.h"
#include "i18n/translated_texts.h"
#include "shell/editor_document.h"
#include "shell/file_chooser.h"

namespace mivo {

namespace {

QStringList Labels(const std::vector<FileFilter>& filters) {
    QStringList labels;
    for (const FileFilter& f : filters) labels << MessageText(f.label);
    return labels;
}

std::string FileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

EditorFiles::EditorFiles(QWidget* window, EditorDocument& document, const FileKind& files,
                         Prompter& prompter, Hooks hooks)
    : window_(window),
      document_(document),
      files_(files),
      prompter_(prompter),
      hooks_(std::move(hooks)),
      dialogChooser_(std::make_unique<DialogFileChooser>()) {}

EditorFiles::~EditorFiles() = default;

FileChooser& EditorFiles::chooser() { return chooser_ ? *chooser_ : *dialogChooser_; }

void EditorFiles::showFile(const std::string& path) {
    document_.setFile(QFile::decodeName(QByteArray::fromStdString(path)));
    hooks_.shown();
}

bool EditorFiles::save(QWidget* dialogParent, bool editorCall) {
    fileLines_.clear();
    const FileKind& files = editorCall || !startFiles_ ? files_ : *startFiles_;
    // The dialog offers the file the data came from, under its own filter; a file of another
    // kind (a ZEB file) by its name with the first filter's extension, never to be written over.
    QString name = document_.file();
    int filter = FilterForName(files.saveFilters, FileName(name), false);
    if (!FilterExtension(files.saveFilters, filter)) {
        const QFileInfo info(name);
        if (!name.isEmpty()) name = info.dir().filePath(info.completeBaseName());
        filter = 1;
    }
    if (name.isEmpty()) name = document_.lastFolder();  // the dialog opens there
    if (!chooser().chooseSave(dialogParent, Labels(files.saveFilters), name, filter)) return false;
    if (!SaveDataFile(files, FileName(name), filter, hooks_.content(), prompter_)) return false;
    showFile(SaveTargetName(files, FileName(name), filter));
    if (editorCall) hooks_.clean();
    return true;
}

void EditorFiles::offerToSave() {
    if (hooks_.modified() && prompter_.ask(files_.unsavedQuestion, files_.questionCaption))
        save(window_, true);
}

bool EditorFiles::offerToSaveOrCancel(QWidget* dialogParent) {
    if (!hooks_.modified()) return true;
    const Prompter::Answer a =
        prompter_.askYesNoCancel(files_.unsavedQuestion, files_.questionCaption);
    return a == Prompter::Answer::No || (a == Prompter::Answer::Yes && save(dialogParent, true));
}

void EditorFiles::saveFile() {
    if (!prompter_.ask(files_.saveQuestion, files_.questionCaption)) return;
    save(window_, true);
}

void EditorFiles::openFile() {
    fileLines_.clear();
    offerToSave();
    QString name = document_.lastFolder();  // the dialog opens there
    int filter = 1;
    if (!chooser().chooseOpen(window_, Labels(files_.openFilters), name, filter)) return;
    openChosen(name, filter);
}

void EditorFiles::openNamed(const QString& path) {
    fileLines_.clear();
    offerToSave();
    openChosen(path, FilterForName(files_.openFilters, FileName(path), true));
}

bool EditorFiles::takesFileName(const QString& path) const {
    const std::string* own = FilterExtension(files_.openFilters, 1);
    return own && path.endsWith(QString::fromStdString(*own), Qt::CaseInsensitive);
}

void EditorFiles::openChosen(const QString& name, int filter) {
    const std::string before = hooks_.content();
    const OpenOutcome outcome =
        OpenDataFile(files_, FileName(name), filter, hooks_.convert, prompter_);
    // A file that could not be read left the data as they were, and so their modified state;
    // it is no longer offered as a recent file.
    if (outcome == OpenOutcome::NotRead) {
        document_.dropRecentFile(name);
        hooks_.shown();
        return;
    }
    // A conversion that stopped took the file only in part or not at all: what the user had
    // changed and not saved is still not saved, and the refused file names nothing. Data it
    // changed in part are no longer the earlier file's. Either way the open is one undoable edit.
    if (outcome == OpenOutcome::Completed) {
        showFile(OpenTargetName(files_, FileName(name), filter));
    } else if (hooks_.content() != before) {
        document_.forgetFile();
        hooks_.shown();
    }
    hooks_.opened();
    if (outcome == OpenOutcome::Completed) hooks_.clean();
}

}  // namespace mivo
