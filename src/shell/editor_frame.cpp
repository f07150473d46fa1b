#include "shell/editor_frame.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>

#include "codepage/cp1252.h"
#include "common/prompter.h"
#include "files/data_files.h"
#include "link/controller_link.h"
#include "procedures/procedure_context.h"
#include "procedures/program_control.h"
#include "shell/file_chooser.h"
#include "shell/grid_columns.h"
#include "shell/line_switch.h"
#include "shell/port_dialog.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

QIcon FaceIcon(const QString& letters) {
    QPixmap pixmap(30, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, 29, 21);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

QIcon ButtonIcon(const EditorFrame::Button& b) {
    QIcon fallback = b.standardIcon == QStyle::SP_CustomBase
                         ? FaceIcon(b.face)
                         : QApplication::style()->standardIcon(b.standardIcon);
    if (fallback.isNull()) fallback = FaceIcon(b.face);
    return b.themeIcon ? QIcon::fromTheme(b.themeIcon, fallback) : fallback;
}

QStringList Labels(const std::vector<FileFilter>& filters) {
    QStringList labels;
    for (const FileFilter& f : filters) labels << Cp1252::decode(f.label);
    return labels;
}

std::string FileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

bool HasShortcut(const QAction* action, const QKeyEvent& key) {
    return action && action->shortcuts().contains(QKeySequence(key.keyCombination()));
}

// A field of the editor's window (PALLET No., PgmNo., a range box) takes the undo and redo keys
// for its own text even when it has nothing to undo; then they go on to the editor's Edit menu.
// A cell's editor in the grid keeps them: the editor's undo would change the cell it edits.
class FieldUndoKeys : public QObject {
  public:
    explicit FieldUndoKeys(EditorFrame* frame) : QObject(frame), frame_(frame) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != frame_) return false;
        auto* field = qobject_cast<QLineEdit*>(widget);
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            field = spin->findChild<QLineEdit*>();
        if (!field) return false;
        for (QWidget* w = field->parentWidget(); w && w != frame_; w = w->parentWidget())
            if (qobject_cast<QAbstractItemView*>(w)) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool undo = HasShortcut(frame_->menuAction("Undo"), key);
        const bool redo = HasShortcut(frame_->menuAction("Redo"), key);
        if (!undo && !redo) return false;
        if (undo ? field->isUndoAvailable() : field->isRedoAvailable()) return false;
        // Not accepted: the shortcut, not the field, gets the key.
        event->ignore();
        return true;
    }

  private:
    EditorFrame* frame_;
};

}  // namespace

bool RefusedWhileOperating(const Navigator& navigator, Prompter& prompter) {
    if (!navigator.operating()) return false;
    prompter.notify("'Move to direct screen' cannot be executed while 'Operating' is displayed",
                    "Operating");
    return true;
}

bool TeachingRefused(const Navigator& navigator, Prompter& prompter, bool online) {
    if (RefusedWhileOperating(navigator, prompter)) return true;
    if (online) return false;
    prompter.notify("Teaching control cannot be made under offline", "Under offline");
    return true;
}

EditorFrame::EditorFrame(const EditorLinks& links, DataKind kind, const FileKind& files,
                         QWidget* parent)
    : QMainWindow(parent),
      links_(links),
      kind_(kind),
      files_(files),
      dialogChooser_(std::make_unique<DialogFileChooser>()),
      undo_(new QUndoStack(this)) {
    if (links_.flags) links_.flags->setSaver(kind_, [this] { return saveFromStartScreen(); });
    connect(undo_, &QUndoStack::cleanChanged, this, &EditorFrame::showModified);
    qApp->installEventFilter(new FieldUndoKeys(this));
}

EditorFrame::~EditorFrame() {
    // The stack, a child, clears itself when it goes and would report a clean state to a
    // frame half gone.
    undo_->disconnect(this);
}

QAction* EditorFrame::makeAction(const QString& text, const char* objectName) {
    auto* a = new QAction(text, this);
    if (objectName) a->setObjectName(objectName);
    return a;
}

void EditorFrame::buildToolBar(const std::vector<Button>& buttons) {
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    // Small enough that every button and the line switch fit the written width.
    bar->setIconSize(QSize(20, 20));
    for (const Button& b : buttons) {
        QAction* a = makeAction(b.hint, b.objectName.c_str());
        a->setToolTip(b.hint);
        a->setIcon(ButtonIcon(b));
        buttons_[b.hint] = a;
        if (b.online) onlineActions_.push_back(a);
        connect(a, &QAction::triggered, this, b.handler);
        bar->addAction(a);
        if (auto* w = qobject_cast<QToolButton*>(bar->widgetForAction(a))) {
            w->setObjectName(QString::fromStdString(b.objectName));
            // A short hint reads better than a picture alone.
            if (!QString(b.hint).contains(' ')) w->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    }
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    if (links_.link) {
        lineSwitch_ = new LineSwitch(*links_.link, LineSwitch::Main, bar);
        bar->addWidget(lineSwitch_);
        connect(links_.link, &ControllerLink::onlineChanged, this, &EditorFrame::applyOnlineState);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

QMenu* EditorFrame::addMenu(const QString& title, const std::vector<MenuItem>& given) {
    QMenu* menu = menuBar()->addMenu(title);
    std::vector<MenuItem> items = given;
    // Every editor's Display menu ends with the communication log.
    if (QString(title).remove('&') == "Display")
        items.push_back({"Communication &log", "MenuComLog", nullptr, [this] {
                             if (links_.navigator) links_.navigator->show(Navigator::Window::Log);
                         }});
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* a = makeAction(item.text, item.objectName);
        if (!item.key.isEmpty()) a->setShortcut(item.key);
        // A menu item for a tool-bar command triggers the button's action, so that one
        // connection serves both.
        QAction* target = item.button ? action(item.button) : nullptr;
        if (target) {
            connect(a, &QAction::triggered, target, &QAction::trigger);
        } else if (item.handler) {
            connect(a, &QAction::triggered, this, item.handler);
        }
        if (item.online) onlineActions_.push_back(a);
        if (item.offline) offlineActions_.push_back(a);
        menu->addAction(a);
        menuItems_[QString(item.text).remove('&')] = a;
    }
    applyOnlineState(links_.link && links_.link->isOnline());
    return menu;
}

QMenu* EditorFrame::addEditMenu(const std::vector<MenuItem>& more) {
    std::vector<MenuItem> items = {
        {"&Undo", "MenuUndo", nullptr, [this] { undo(); }, false, false,
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"&Redo", "MenuRedo", nullptr, [this] { redo(); }, false, false,
         QKeySequence(Qt::CTRL | Qt::Key_Y)},
    };
    if (!more.empty()) items.push_back({nullptr});
    items.insert(items.end(), more.begin(), more.end());
    QMenu* menu = addMenu("&Edit", items);
    QAction* undoItem = menuAction("Undo");
    undoItem->setEnabled(undo_->canUndo());
    connect(undo_, &QUndoStack::canUndoChanged, undoItem, &QAction::setEnabled);
    QAction* redoItem = menuAction("Redo");
    redoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoItem->setEnabled(undo_->canRedo());
    connect(undo_, &QUndoStack::canRedoChanged, redoItem, &QAction::setEnabled);
    return menu;
}

void EditorFrame::undo() {
    if (undo_->canUndo()) undo_->undo();
}

void EditorFrame::redo() {
    if (undo_->canRedo()) undo_->redo();
}

void EditorFrame::pushEdit(QUndoCommand* edit) { undo_->push(edit); }

void EditorFrame::registerMenuAction(const QString& text, QAction* action) {
    menuItems_[text] = action;
}

QAction* EditorFrame::action(const QString& hint) const {
    const auto it = buttons_.find(hint);
    return it == buttons_.end() ? nullptr : it->second;
}

QAction* EditorFrame::menuAction(const QString& text) const {
    const auto it = menuItems_.find(text);
    return it == menuItems_.end() ? nullptr : it->second;
}

void EditorFrame::setModified(bool on) {
    if (on)
        undo_->resetClean();
    else
        undo_->setClean();
    showModified();
}

void EditorFrame::showModified() {
    modified_ = !undo_->isClean();
    if (links_.flags) links_.flags->set(kind_, modified_);
    updateTitle();
}

void EditorFrame::setCaption(const QString& caption) {
    caption_ = caption;
    updateTitle();
}

void EditorFrame::showFile(const std::string& path) {
    file_ = QFile::decodeName(QByteArray::fromStdString(path));
    updateTitle();
    const QFileInfo info(file_);
    lastFolder_ = info.absolutePath();
    QStringList recent = recent_;
    recent.removeAll(info.absoluteFilePath());
    recent.prepend(info.absoluteFilePath());
    setRecentFiles(recent);
}

void EditorFrame::setRecentFiles(const QStringList& files) {
    recent_ = files.mid(0, kRecentFiles);
    showRecentFiles();
}

void EditorFrame::showRecentFiles() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    for (int i = 0; i < recent_.size(); ++i) {
        const QString path = recent_[i];
        QString text = path;
        text.replace('&', "&&");
        QAction* a = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(text));
        connect(a, &QAction::triggered, this, [this, path] { openNamed(path); });
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

const char* EditorFrame::kindName() const { return Describe(kind_).word.c_str(); }

void EditorFrame::forgetFile() {
    file_.clear();
    updateTitle();
}

void EditorFrame::updateTitle() {
    QString title = caption_;
    if (!file_.isEmpty()) title += " - " + QFileInfo(file_).fileName();
    if (modified_) title += " *";
    setWindowTitle(title);
}

void EditorFrame::setWrittenSize(QSize size) {
    setWindowFlags(Qt::Window);
    setMinimumSize(size);
    resize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size);
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void EditorFrame::watchGrid(QTableView* grid, const std::vector<int>& columnWidths) {
    watchedGrid_ = grid;
    grid->installEventFilter(this);
    FitColumnsToText(grid, columnWidths);
}

bool EditorFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedGrid_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        constexpr auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (key.key() == Qt::Key_Delete && !(key.modifiers() & shortcut)) {
            clearSelectedCells();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void EditorFrame::clearSelectedCells() {
    QModelIndexList cells;
    for (const QModelIndex& i : watchedGrid_->selectionModel()->selectedIndexes())
        if (i.flags() & Qt::ItemIsEditable) cells << i;
    const QModelIndex current = watchedGrid_->currentIndex();
    if (cells.isEmpty() && (current.flags() & Qt::ItemIsEditable)) cells << current;
    if (!cells.isEmpty()) clearCells(cells);
}

int EditorFrame::widthForColumns() const {
    const QTableView* g = watchedGrid_;
    const int rowTitles =
        g->verticalHeader()->isHidden() ? 0 : g->verticalHeader()->sizeHint().width();
    constexpr int kMargins = 8;  // the editors' layout margins
    return g->horizontalHeader()->length() + rowTitles + 2 * g->frameWidth() +
           g->verticalScrollBar()->sizeHint().width() + kMargins;
}

void EditorFrame::clearCells(const QModelIndexList& cells) {
    // Several cells are one edit.
    if (cells.size() > 1) undo_->beginMacro("Clear");
    for (const QModelIndex& i : cells) watchedGrid_->model()->setData(i, QString());
    if (cells.size() > 1) undo_->endMacro();
}

void EditorFrame::setFileChooser(FileChooser* chooser) { chooser_ = chooser; }
FileChooser& EditorFrame::chooser() { return chooser_ ? *chooser_ : *dialogChooser_; }
Prompter& EditorFrame::prompter() {
    return links_.prompter ? *links_.prompter : SilentPrompter::instance();
}

void EditorFrame::applyOnlineState(bool online) {
    for (QAction* a : onlineActions_) a->setEnabled(online);
    for (QAction* a : offlineActions_) a->setEnabled(!online);
}

bool EditorFrame::onlineShown() const { return lineSwitch_ && lineSwitch_->isOnlineShown(); }

void EditorFrame::endEditor() {
    if (clearLogOnLeaving_) log_.clear();
    hide();
    if (links_.navigator) links_.navigator->showStart();
}

void EditorFrame::closeEvent(QCloseEvent* event) {
    // The editor is never destroyed: closing means going back to the start screen.
    event->ignore();
    endEditor();
}

void EditorFrame::comSet() {
    if (!com_) return;
    setEnabled(false);
    com_->openFrom(this);
}

void EditorFrame::showScreen(Navigator::Window role, bool refusedWhileOperating) {
    QWidget* screen = links_.navigator ? links_.navigator->window(role) : nullptr;
    if (!screen) return;
    if (refusedWhileOperating && RefusedWhileOperating(*links_.navigator, prompter())) return;
    if (clearLogOnLeaving_ && !refusedWhileOperating) log_.clear();
    hide();
    screen->show();
    screen->raise();
}

bool EditorFrame::runOperation(const std::function<bool(ProcedureContext&)>& body) {
    if (operating_ || !links_.link || !links_.transfer) return false;
    operating_ = true;
    links_.transfer->setOwner(this);
    setEnabled(false);
    ProcedureContext ctx{links_.link->mainChannel(), prompter(), *links_.transfer, log_,
                         [this](const std::string& n) { showProgramNumber(n); }};
    const bool stayDisabled = body(ctx);
    operating_ = false;
    if (!stayDisabled) setEnabled(true);
    applyOnlineState(onlineShown());
    return true;
}

void EditorFrame::runProcedure(const std::function<void(ProcedureContext&)>& procedure) {
    runOperation([&procedure](ProcedureContext& ctx) {
        procedure(ctx);
        return false;
    });
}

void EditorFrame::runReturnToOrigin() {
    runProcedure([](ProcedureContext& ctx) { ReturnToOrigin(ctx); });
}

void EditorFrame::runExecuteProgram(
    const std::function<std::string(const std::string&)>& startQuestion) {
    runProcedure([&startQuestion](ProcedureContext& ctx) { ExecuteProgram(ctx, startQuestion); });
}

void EditorFrame::runMotorFree() {
    runProcedure([](ProcedureContext& ctx) { MotorFree(ctx); });
}

bool EditorFrame::runSave(QWidget* dialogParent, bool editorCall) {
    fileLines_.clear();
    const FileKind& files = editorCall || !startFiles_ ? files_ : *startFiles_;
    // The dialog offers the file the data came from, under its own filter; a file of another
    // kind (a ZEB file) by its name with the first filter's extension, never to be written over.
    QString name = file_;
    int filter = FilterForName(files.saveFilters, FileName(name), false);
    if (!FilterExtension(files.saveFilters, filter)) {
        const QFileInfo info(name);
        if (!name.isEmpty()) name = info.dir().filePath(info.completeBaseName());
        filter = 1;
    }
    if (name.isEmpty()) name = lastFolder_;  // the dialog opens there
    if (!chooser().chooseSave(dialogParent, Labels(files.saveFilters), name, filter)) return false;
    if (!SaveDataFile(files, FileName(name), filter, fileContent(), prompter())) return false;
    showFile(SaveTargetName(files, FileName(name), filter));
    if (editorCall) setModified(false);
    return true;
}

bool EditorFrame::saveFromStartScreen() {
    return runSave(links_.navigator ? links_.navigator->window(Navigator::Window::Start) : nullptr,
                   false);
}

void EditorFrame::offerToSave() {
    if (modified_ && prompter().ask(files_.unsavedQuestion, files_.questionCaption))
        runSave(this, true);
}

bool EditorFrame::offerToSaveOrCancel(QWidget* dialogParent) {
    if (!modified_) return true;
    const Prompter::Answer a =
        prompter().askYesNoCancel(files_.unsavedQuestion, files_.questionCaption);
    return a == Prompter::Answer::No || (a == Prompter::Answer::Yes && runSave(dialogParent, true));
}

void EditorFrame::saveFile() {
    if (!prompter().ask(files_.saveQuestion, files_.questionCaption)) return;
    runSave(this, true);
}

void EditorFrame::openFile() {
    fileLines_.clear();
    offerToSave();
    QString name = lastFolder_;  // the dialog opens there
    int filter = 1;
    if (!chooser().chooseOpen(this, Labels(files_.openFilters), name, filter)) return;
    openChosen(name, filter);
}

void EditorFrame::openNamed(const QString& path) {
    fileLines_.clear();
    offerToSave();
    openChosen(path, FilterForName(files_.openFilters, FileName(path), true));
}

bool EditorFrame::takesFileName(const QString& path) const {
    const std::string* own = FilterExtension(files_.openFilters, 1);
    return own && path.endsWith(QString::fromStdString(*own), Qt::CaseInsensitive);
}

void EditorFrame::openChosen(const QString& name, int filter) {
    const std::string before = fileContent();
    const OpenOutcome outcome = OpenDataFile(
        files_, FileName(name), filter,
        [this](int f, std::string_view content, Prompter& p) { return convertFile(f, content, p); },
        prompter());
    // A file that could not be read left the data as they were, and so their modified state;
    // it is no longer offered as a recent file.
    if (outcome == OpenOutcome::NotRead) {
        QStringList recent = recent_;
        recent.removeAll(QFileInfo(name).absoluteFilePath());
        setRecentFiles(recent);
        return;
    }
    // A conversion that stopped took the file only in part or not at all: what the user had
    // changed and not saved is still not saved, and the refused file names nothing. Data it
    // changed in part are no longer the earlier file's. Either way the open is one undoable edit.
    if (outcome == OpenOutcome::Completed) {
        showFile(OpenTargetName(files_, FileName(name), filter));
    } else if (fileContent() != before) {
        forgetFile();
    }
    fileOpened();
    if (outcome == OpenOutcome::Completed) setModified(false);
}

}  // namespace mivo
