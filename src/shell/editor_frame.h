#pragma once
// EditorFrame: what the step, parameter, pallet and offset editors share. The tool bar and the
// menus are made from tables; the line switch sits at the tool bar's right and the commands
// that need the controller follow the on-line state; the Display menu moves to the other
// screens; controller operations run one at a time on the main channel; the modified flag is
// mirrored to the start screen; the file dialogs run the shared save and open procedures; and
// closing goes back to the start screen. An editor derives from it and adds its own data.
#include <QKeySequence>
#include <QMainWindow>
#include <QModelIndexList>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/teach_positions.h"
#include "shell/editor_undo.h"
#include "shell/modified_flags.h"
#include "shell/navigator.h"

class QAction;
class QMenu;
class QTableView;
class QUndoStack;

namespace mivo {

struct FileKind;
struct ProcedureContext;
class FileChooser;
class LineSwitch;
class PrintScreen;
class Prompter;
class ControllerLink;
class PortDialog;
class TeachScreenAccess;
class TeachTarget;
class TransferDialogs;

// What an editor reaches outside itself, wired by `createScreens`: the link, the modified flags
// mirrored to the start screen, the message boxes, the transfer dialogs, the windows it moves to
// and the teaching screen its teaching buttons open.
struct EditorLinks {
    ControllerLink* link = nullptr;
    ModifiedFlags* flags = nullptr;
    Prompter* prompter = nullptr;
    TransferDialogs* transfer = nullptr;
    Navigator* navigator = nullptr;
    TeachScreenAccess* teach = nullptr;
};

class EditorFrame : public QMainWindow {
    Q_OBJECT
  public:
    // One tool-bar button. Its picture is the desktop icon theme's `themeIcon`, else Qt's own
    // `standardIcon`, else the letters `face` drawn; a one-word hint stands beside it.
    struct Button {
        const char* hint;        // its tool tip, and the name the menus refer to it by
        std::string objectName;  // the control's name
        const char* face;        // the letters drawn when no picture is found
        bool online;             // needs the controller
        std::function<void()> handler;
        const char* themeIcon = nullptr;
        QStyle::StandardPixmap standardIcon = QStyle::SP_CustomBase;  // SP_CustomBase: none
    };
    // One menu item: it triggers the button `button` (when given), or runs `handler`. An "&"
    // in the text marks its mnemonic; the menus are found by the text without it.
    struct MenuItem {
        const char* text;  // nullptr: a separator
        const char* objectName = nullptr;
        const char* button = nullptr;
        std::function<void()> handler = {};
        bool online = false;   // enabled only on line
        bool offline = false;  // enabled only off line ("COM set")
        QKeySequence key = {};
    };

    EditorFrame(const EditorLinks& links, DataKind kind, const FileKind& files,
                QWidget* parent = nullptr);
    ~EditorFrame() override;

    // Tool-bar buttons by hint, menu items by text; nullptr when unknown.
    QAction* action(const QString& hint) const;
    QAction* menuAction(const QString& text) const;

    // The modified flag of this editor's data, mirrored to the start screen's flags: set while
    // the undo history stands away from its clean point (the data as saved or opened).
    bool modified() const { return modified_; }
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

    // The file dialogs; nullptr gives the real ones back. Not owned.
    void setFileChooser(FileChooser* chooser);
    // The save procedure with the start screen's dialog (the closing question); the modified
    // flag stays as it is. False when nothing was written (dialog cancelled, overwriting
    // declined, the write failed).
    bool saveFromStartScreen();
    // The file kind of that save when its dialog words differ from the editor's own.
    void setStartScreenFiles(const FileKind& files) { startFiles_ = &files; }

    // On line: the controller commands enabled and "COM set" disabled; off line the reverse.
    void applyOnlineState(bool online);
    // True while the line switch shows "Online".
    bool onlineShown() const;
    bool operationRunning() const { return operating_; }

    // "End", "Initial screen move", closing: back to the start screen.
    void endEditor();
    // "COM set": the COM selection, the editor disabled meanwhile.
    void comSet();
    // The Display menu: hides this editor and shows the window of `role`. With
    // `refusedWhileOperating`, refused while the cancel dialog shows an operation.
    void showScreen(Navigator::Window role, bool refusedWhileOperating);

    // Before the data are given up from outside: when modified, the unsaved question with
    // Yes/No/Cancel, and Yes saves (dialogs over `dialogParent`). False on Cancel and on a Yes
    // whose save wrote nothing.
    bool offerToSaveOrCancel(QWidget* dialogParent);

    // The editor's save and open commands with their questions.
    void saveFile();
    void openFile();
    // Open without the dialog, as the file's name tells its filter (a recent file, the file
    // given on the command line); the unsaved question first.
    void openNamed(const QString& path);
    // True when `path` ends in this kind's own extension (".stp" for the step editor).
    bool takesFileName(const QString& path) const;

    // Remembered between runs: the files opened or saved, the latest first, under File >
    // "Recent files"; the folder the last file dialog was left in, where the next one opens.
    static constexpr int kRecentFiles = 8;
    QStringList recentFiles() const { return recent_; }
    void setRecentFiles(const QStringList& files);
    QString lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }
    // The file kind's name in the settings: "step", "parameter", "pallet", "offset".
    const char* kindName() const;

    // FileLines: the hidden list of text lines, cleared at the start of every save and open.
    std::vector<std::string>& fileLines() { return fileLines_; }
    // The hidden log of the transfers: every reply line received.
    std::vector<std::string>& transferLog() { return log_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of the grid given to `watchGrid`.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The window's caption; the title adds the file's name and the modified mark:
    // "MIVO Editor [Main-Step] - pick.stp *".
    void setCaption(const QString& caption);
    // The written size is where the window opens (centred) and the least it takes; the user
    // may enlarge and maximise it.
    void setWrittenSize(QSize size);
    // The data no longer come from a file ("New programming").
    void forgetFile();

    // The editor's grid. Its titles and values read whole at any font (`FitColumnsToText`).
    // Delete empties the selected cells.
    void watchGrid(QTableView* grid, const std::vector<int>& columnWidths);
    // Empties `cells` of the grid as one edit; by default each through the grid's model.
    virtual void clearCells(const QModelIndexList& cells);
    // The least window width at which that grid shows its columns whole, beside its scroll bar.
    int widthForColumns() const;

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
    // Tool-bar pictures without their hints (a narrow editor, whose line switch would be pushed
    // out of sight).
    void picturesOnly();

    // Builds the tool bar, then the menus, in this order.
    void buildToolBar(const std::vector<Button>& buttons);
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
    void registerMenuAction(const QString& text, QAction* action);

    // Runs `body` on the main channel with the editor disabled; the editor is enabled again
    // afterwards unless `body` returns true (a dialog that re-enables it on closing is shown).
    // One at a time: false when nothing ran.
    bool runOperation(const std::function<bool(ProcedureContext&)>& body);
    // A procedure after which the editor is enabled again.
    void runProcedure(const std::function<void(ProcedureContext&)>& procedure);
    // The program control every editor offers, with the editor's wording of the start question.
    void runReturnToOrigin();
    void runExecuteProgram(const std::function<std::string(const std::string&)>& startQuestion);
    void runMotorFree();

    // Asks the kind's unsaved question when the data were changed, and saves on Yes (whatever
    // the save's outcome, the caller goes on).
    void offerToSave();
    // The save procedure after its dialog; `editorCall` clears the modified flag on success.
    bool runSave(QWidget* dialogParent, bool editorCall);

    const EditorLinks& links() const { return links_; }
    Prompter& prompter();
    FileChooser& chooser();

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
    QAction* makeAction(const QString& text, const char* objectName);
    void openChosen(const QString& name, int filter);
    void showRecentFiles();
    void clearSelectedCells();
    void showFile(const std::string& path);
    void updateTitle();
    // The modified flag from the undo history's clean point, mirrored and shown in the title.
    void showModified();

    EditorLinks links_;
    PortDialog* com_ = nullptr;
    PrintScreen* print_ = nullptr;
    DataKind kind_;
    const FileKind& files_;
    const FileKind* startFiles_ = nullptr;  // nullptr: files_
    LineSwitch* lineSwitch_ = nullptr;
    std::map<QString, QAction*> buttons_;    // by hint
    std::map<QString, QAction*> menuItems_;  // by text
    std::vector<QAction*> onlineActions_;
    std::vector<QAction*> offlineActions_;
    QTableView* watchedGrid_ = nullptr;
    bool modified_ = false;
    bool operating_ = false;
    QString caption_;
    QString file_;  // the path of the file opened or last saved; empty: none
    std::vector<std::string> fileLines_;
    std::vector<std::string> log_;
    std::unique_ptr<FileChooser> dialogChooser_;
    FileChooser* chooser_ = nullptr;
    QUndoStack* undo_ = nullptr;
    bool clearLogOnLeaving_ = false;
    QStringList recent_;
    QMenu* recentMenu_ = nullptr;
    QString lastFolder_;
};

// While the cancel dialog shows, screens that would start another motion refuse with
// "'Move to direct screen' cannot be executed while 'Operating' is displayed". True when
// refused (the notice shown).
bool RefusedWhileOperating(const Navigator& navigator, Prompter& prompter);

// Teaching is refused while an operation shows and, with "Teaching control cannot be made under
// offline", when `online` is false. True when refused (the notice shown).
bool TeachingRefused(const Navigator& navigator, Prompter& prompter, bool online);

}  // namespace mivo
