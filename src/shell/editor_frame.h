#pragma once
// EditorFrame: the window the step, parameter, pallet and offset editors share. It composes
// the document (EditorDocument), the tool bar and menus (EditorChrome), the grid's keys
// (GridKeyWatcher) and the controller operations (OperationRunner); it adds the tables the
// editors share, the undo history whose clean point is the modified flag (mirrored to the
// start screen), the shared save and open procedures behind the file dialogs, and going back to
// the start screen on closing. An editor derives from it and adds its own data.
#include <QMainWindow>
#include <QModelIndexList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/teach_positions.h"
#include "shell/editor_chrome.h"
#include "shell/editor_document.h"
#include "shell/editor_files.h"
#include "shell/editor_links.h"
#include "shell/editor_undo.h"
#include "shell/modified_flags.h"
#include "shell/navigator.h"
#include "shell/operation_runner.h"

class QAction;
class QMenu;
class QTableView;
class QVBoxLayout;
class QUndoStack;

namespace mivo {

struct FileKind;
struct ProcedureContext;
class FileChooser;
class GridKeyWatcher;
class PrintScreen;
class Prompter;
class PortDialog;
class TeachTarget;

class EditorFrame : public QMainWindow {
    Q_OBJECT
  public:
    using Button = EditorChrome::Button;
    using MenuItem = EditorChrome::MenuItem;

    EditorFrame(const EditorLinks& links, DataKind kind, const FileKind& files,
                QWidget* parent = nullptr);
    ~EditorFrame() override;

    // Tool-bar buttons by hint, menu items by text; nullptr when unknown.
    QAction* action(const QString& hint) const { return chrome_.action(hint); }
    QAction* menuAction(const QString& text) const { return chrome_.menuAction(text); }

    // The modified flag of this editor's data, mirrored to the start screen's flags: set while
    // the undo history stands away from its clean point (the data as saved or opened).
    bool modified() const { return document_.modified(); }
    // False: the data as they are now are the clean point (saved, opened, New programming).
    // True: the data were changed without an undo entry, so no undo makes them clean again.
    void setModified(bool on);

    // The editor's edits, each undoable: "Undo" (Ctrl+Z) and "Redo" (Ctrl+Y) of the Edit menu.
    // The keys reach them from a focused field too when the field has nothing of its own to
    // undo or redo.
    QUndoStack& undoStack() { return *undo_; }
    void undo();
    void redo();

    // The dialogs made after the editors: "COM set" and "Print".
    void setComDialog(PortDialog* com) { com_ = com; }
    void setPrintScreen(PrintScreen* print) { print_ = print; }

    void setFileChooser(FileChooser* chooser) { files_.setChooser(chooser); }
    // The save procedure with the start screen's dialog (the closing question); the modified
    // flag stays as it is. False when nothing was written (dialog cancelled, overwriting
    // declined, the write failed).
    bool saveFromStartScreen();
    void setStartScreenFiles(const FileKind& files) { files_.setStartScreenFiles(files); }

    // The on-line state (EditorChrome) and the operations (OperationRunner).
    void applyOnlineState(bool online) { chrome_.applyOnlineState(online); }
    bool onlineShown() const { return chrome_.onlineShown(); }
    bool operationRunning() const { return operations_.running(); }

    // "End", "Initial screen move", closing: back to the start screen.
    void endEditor();
    // "COM set": the COM selection, the editor disabled meanwhile.
    void comSet();
    // The Display menu: hides this editor and shows the window of `role`. With
    // `refusedWhileOperating`, refused while the cancel dialog shows an operation.
    void showScreen(Navigator::Window role, bool refusedWhileOperating);

    // The file commands (EditorFiles).
    bool offerToSaveOrCancel(QWidget* dialogParent) {
        return files_.offerToSaveOrCancel(dialogParent);
    }
    void saveFile() { files_.saveFile(); }
    void openFile() { files_.openFile(); }
    void openNamed(const QString& path) { files_.openNamed(path); }
    bool takesFileName(const QString& path) const { return files_.takesFileName(path); }

    // Remembered between runs: the files opened or saved, the latest first, under File >
    // "Recent files"; the folder the last file dialog was left in, where the next one opens.
    static constexpr int kRecentFiles = EditorDocument::kRecentFiles;
    QStringList recentFiles() const { return document_.recentFiles(); }
    void setRecentFiles(const QStringList& files);
    QString lastFolder() const { return document_.lastFolder(); }
    void setLastFolder(const QString& folder) { document_.setLastFolder(folder); }
    // The file kind's name in the settings: "step", "parameter", "pallet", "offset".
    const char* kindName() const;

    // FileLines: the hidden list of text lines, cleared at the start of every save and open.
    std::vector<std::string>& fileLines() { return files_.fileLines(); }
    // The file dialogs the editor's own commands ask through (setFileChooser).
    FileChooser& fileChooser() { return files_.chooser(); }
    // The hidden log of the transfers: every reply line received.
    std::vector<std::string>& transferLog() { return log_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

    // The window's caption; the title adds the file's name and the modified mark:
    // "MIVO Editor [Main-Step] - pick.stp *".
    void setCaption(const QString& caption);
    // The written size is where the window opens (centred) and the least it takes; the user
    // may enlarge and maximise it.
    void setWrittenSize(QSize size);
    // The data no longer come from a file ("New programming").
    void forgetFile();

    // The window's centre, made its central widget: a widget with a column layout at the editors'
    // margins, the layout returned to be filled.
    QVBoxLayout* centreLayout();
    // The editor's grid. Its titles and values read whole at any font (`FitColumnsToText`).
    // Delete empties the selected cells.
    void watchGrid(QTableView* grid, const std::vector<int>& columnWidths);
    // Empties `cells` of the grid as one edit; by default each through the grid's model.
    virtual void clearCells(const QModelIndexList& cells);
    // The least window width at which that grid shows its columns whole, beside its scroll bar.
    int widthForColumns() const;
    QTableView* watchedGrid() const;

    // The tables the four editors share. Object names begin with the editor's `prefix`
    // ("PRM": "PRMNew"). "New programming", "Open", "Save" and "Print" (the print dialog):
    std::vector<Button> fileButtons(const char* prefix, std::function<void()> newProgramming);
    // "Return to origin", "Program execute" (the step editor's hint reads "Operation execute")
    // with the editor's start question, "Motor free":
    std::vector<Button> programButtons(
        const char* prefix, const char* runHint,
        std::function<std::string(const std::string&)> startQuestion);
    // A teaching button ("ZI position teach", "Teaching set"): after the refusals (an
    // operation shows, off line) the teaching screen opens for `target` as `opener`;
    // `number` gives the step or pallet number where the opener has one.
    Button teachButton(const char* hint, const char* objectName, const char* face, DataKind opener,
                       std::function<TeachTarget&()> target,
                       std::function<std::string()> number = {});
    // "Initial screen move".
    static Button endButton(const char* prefix, std::function<void()> end);
    // The File menu over the file buttons; its "End" triggers "Initial screen move", or runs
    // `end` where given.
    void addFileMenu(std::function<void()> end = {});
    // The Communication menu's items for the program buttons.
    static std::vector<MenuItem> programItems(const char* runHint);
    // The Display menu: the other editors, `more`, then "Direct".
    void addDisplayMenu(const std::vector<MenuItem>& more = {});
    // The parameter, pallet and offset editors: leaving to the start screen or to another editor
    // clears the transfer log.
    void clearLogOnLeaving() { clearLogOnLeaving_ = true; }
    // Tool-bar pictures without their hints (a narrow editor).
    void picturesOnly() { chrome_.picturesOnly(); }

    // Builds the tool bar, then the menus, in this order.
    void buildToolBar(const std::vector<Button>& buttons) { chrome_.buildToolBar(buttons); }
    // A "Display" menu gets "Communication log" at its end.
    QMenu* addMenu(const QString& title, const std::vector<MenuItem>& items);
    // The Edit menu: "Undo" and "Redo", enabled while there is something to undo or redo, then
    // `more` after a separator.
    QMenu* addEditMenu(const std::vector<MenuItem>& more = {});
    // Runs `change` on `data` as one undoable edit named `caption`; the editor shows the data
    // (`shown`), now and after each undo and redo. Data that stay as they were are recorded
    // nothing and change no flag (a text typed over itself).
    template <class Data>
    void recordEdit(const QString& caption, Data& data, const std::function<void(Data&)>& change,
                    const std::function<void()>& shown, int mergeKey = -1) {
        Data before = data;
        change(data);
        if (!(data == before)) {
            recordChange(caption, data, std::move(before), shown, mergeKey);
            if (shown) shown();
        }
    }
    // Data that were changed already (a file opened, a transfer) as one undoable edit.
    template <class Data>
    void recordChange(const QString& caption, Data& data, Data before,
                      const std::function<void()>& shown, int mergeKey = -1) {
        if (data == before) return;
        pushEdit(new SnapshotEdit<Data>(caption, data, std::move(before), shown, mergeKey));
    }
    // Runs `change` (a file read, a transfer) and records what it changed of `data` the same way.
    template <class Data>
    void recordChangeBy(const QString& caption, Data& data, const std::function<void()>& change,
                        const std::function<void()>& shown) {
        Data before = data;
        change();
        recordChange(caption, data, std::move(before), shown);
    }
    void pushEdit(QUndoCommand* edit);
    // An action of the editor's own that `menuAction` finds by `text` (pop-up menus).
    void registerMenuAction(const QString& text, QAction* action) {
        chrome_.registerMenuAction(text, action);
    }

    // One at a time on the main channel, the editor disabled meanwhile (OperationRunner).
    bool runOperation(const std::function<bool(ProcedureContext&)>& body) {
        return operations_.run(body);
    }
    void runProcedure(const std::function<void(ProcedureContext&)>& procedure) {
        operations_.runProcedure(procedure);
    }
    OperationRunner& operations() { return operations_; }

    // The unsaved question, and the save after its dialog (EditorFiles).
    void offerToSave() { files_.offerToSave(); }
    bool runSave(QWidget* dialogParent, bool editorCall) {
        return files_.save(dialogParent, editorCall);
    }

    const EditorLinks& links() const { return links_; }
    Prompter& prompter();

    // What the editor adds to the shared procedures.
    // The file's content for a save.
    virtual std::string fileContent() const = 0;
    // Converts an opened file's content into the data; false when it stopped with a message
    // (shown through `prompter`).
    virtual bool convertFile(int filter, std::string_view content, Prompter& prompter) = 0;
    // The data were replaced by an open (also after a conversion that stopped part way).
    virtual void fileOpened() {}
    // The program number the controller reported, for the editors that show it.
    virtual void showProgramNumber(const std::string& number) { (void)number; }

  private:
    void showRecentFiles();
    void updateTitle() { setWindowTitle(document_.title()); }
    // The modified flag from the undo history's clean point, mirrored and shown in the title.
    void showModified();

    EditorLinks links_;
    PortDialog* com_ = nullptr;
    PrintScreen* print_ = nullptr;
    EditorDocument document_;
    EditorChrome chrome_;
    std::vector<std::string> log_;
    OperationRunner operations_;
    EditorFiles files_;
    GridKeyWatcher* gridKeys_ = nullptr;
    QUndoStack* undo_ = nullptr;
    bool clearLogOnLeaving_ = false;
    QMenu* recentMenu_ = nullptr;
};

}  // namespace mivo
