#pragma once
// EditorFiles: an editor's save and open commands with their questions and file dialogs, over
// the shared save and open procedures; what they change of the file's name, the recent files
// and the last folder goes to the editor's document.
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace mivo {

struct FileKind;
class EditorDocument;
class FileChooser;
class Prompter;

class EditorFiles {
  public:
    // What the editor adds.
    struct Hooks {
        std::function<std::string()> content;  // the file's content for a save
        // Converts an opened file's content into the data; false when it stopped with a
        // message.
        std::function<bool(int filter, std::string_view content, Prompter&)> convert;
        std::function<void()> opened;  // the data were replaced by an open
        std::function<void()> clean;   // the data as they are now are the clean point
        std::function<bool()> modified;
        std::function<void()> shown;  // the document changed: its title and recent files shown
    };

    EditorFiles(QWidget* window, EditorDocument& document, const FileKind& files,
                Prompter& prompter, Hooks hooks);
    ~EditorFiles();

    // The file dialogs; nullptr gives the real ones back. Not owned.
    void setChooser(FileChooser* chooser) { chooser_ = chooser; }
    FileChooser& chooser();
    // The file kind of the start screen's save when its dialog words differ from the editor's.
    void setStartScreenFiles(const FileKind& files) { startFiles_ = &files; }

    // The save procedure after its dialog (over `dialogParent`); `editorCall` marks the data
    // clean on success and uses the editor's own file kind. False when nothing was written.
    bool save(QWidget* dialogParent, bool editorCall);
    // The unsaved question when modified, and a save on Yes; the caller goes on either way.
    void offerToSave();
    // The unsaved question with Yes/No/Cancel; false on Cancel and on a Yes that wrote nothing.
    bool offerToSaveOrCancel(QWidget* dialogParent);
    void saveFile();
    void openFile();
    // Open without the dialog, as the file's name tells its filter.
    void openNamed(const QString& path);
    bool takesFileName(const QString& path) const;

    // FileLines: the hidden list of text lines, cleared at the start of every save and open.
    std::vector<std::string>& fileLines() { return fileLines_; }

  private:
    void openChosen(const QString& name, int filter);
    void showFile(const std::string& path);

    QWidget* window_;
    EditorDocument& document_;
    const FileKind& files_;
    const FileKind* startFiles_ = nullptr;  // nullptr: files_
    Prompter& prompter_;
    Hooks hooks_;
    std::unique_ptr<FileChooser> dialogChooser_;
    FileChooser* chooser_ = nullptr;
    std::vector<std::string> fileLines_;
};

}  // namespace mivo
