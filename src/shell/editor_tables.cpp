// The editor frame's tables that the four editors share: the file, program and teaching
// buttons, the File, Edit and Display menus with the recent files, the Communication menu's
// program items; and the grid it watches.
#include <QAction>
#include <QMenu>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "i18n/translated_texts.h"
#include "shell/editor_access.h"
#include "shell/editor_frame.h"
#include "shell/grid_columns.h"
#include "shell/grid_keys.h"
#include "shell/grid_text_delegate.h"
#include "shell/teach_target.h"

namespace mivo {

namespace {

std::string Named(const char* prefix, const char* name) { return std::string(prefix) + name; }

}  // namespace

std::vector<EditorFrame::Button> EditorFrame::fileButtons(const char* prefix,
                                                          std::function<void()> newProgramming) {
    return {
        {QT_TRANSLATE_NOOP("Menu", "New programming"), Named(prefix, "New"), "New", false,
         std::move(newProgramming), "document-new", QStyle::SP_FileIcon},
        {QT_TRANSLATE_NOOP("Menu", "Open"), Named(prefix, "Open"), "Opn", false,
         [this] { openFile(); }, "document-open", QStyle::SP_DialogOpenButton},
        {QT_TRANSLATE_NOOP("Menu", "Save"), Named(prefix, "Save"), "Sav", false,
         [this] { saveFile(); }, "document-save", QStyle::SP_DialogSaveButton},
        {QT_TRANSLATE_NOOP("Menu", "Print"), Named(prefix, "Print"), "Prn", false,
         [this] {
             if (print_) print_->printFrom(document_.kind(), this);
         },
         "document-print"},
    };
}

std::vector<EditorFrame::Button> EditorFrame::programButtons(
    const char* prefix, const char* runHint,
    std::function<std::string(const std::string&)> startQuestion) {
    return {
        {QT_TRANSLATE_NOOP("Menu", "Return to origin"), Named(prefix, "Origin"), "Org", true,
         [this] { operations_.returnToOrigin(); }, "go-home"},
        {runHint, Named(prefix, "Run"), "Run", true,
         [this, startQuestion] { operations_.executeProgram(startQuestion); },
         "media-playback-start", QStyle::SP_MediaPlay},
        {QT_TRANSLATE_NOOP("Menu", "Motor free"), Named(prefix, "Free"), "MF", true,
         [this] { operations_.motorFree(); }, "process-stop", QStyle::SP_BrowserStop},
    };
}

EditorFrame::Button EditorFrame::teachButton(const char* hint, const char* objectName,
                                             const char* face, DataKind opener,
                                             std::function<TeachTarget&()> target,
                                             std::function<std::string()> number) {
    return {
        hint, objectName, face, true, [this, opener, target, number] {
            if (!links_.navigator || TeachingRefused(*links_.navigator, prompter(), onlineShown()))
                return;
            if (links_.teach)
                links_.teach->teachFor(opener, target(), number ? number() : "", this);
        }};
}

EditorFrame::Button EditorFrame::endButton(const char* prefix, std::function<void()> end) {
    return {QT_TRANSLATE_NOOP("Menu", "Initial screen move"),
            Named(prefix, "End"),
            "End",
            false,
            std::move(end),
            "view-app-grid"};
}

void EditorFrame::addFileMenu(std::function<void()> end) {
    const char* endButton = end ? nullptr : QT_TRANSLATE_NOOP("Menu", "Initial screen move");
    // clang-format off
    QMenu* file = addMenu(QT_TRANSLATE_NOOP("Menu", "&File"), {
        {QT_TRANSLATE_NOOP("Menu", "&New programming"), "MenuNew", "New programming", {}, false, false, QKeySequence::New},
        {QT_TRANSLATE_NOOP("Menu", "&Open"), "MenuOpen", "Open", {}, false, false, QKeySequence::Open},
        {QT_TRANSLATE_NOOP("Menu", "&Save"), "MenuSave", "Save", {}, false, false, QKeySequence::Save},
        {QT_TRANSLATE_NOOP("Menu", "&Print"), "MenuPrint", "Print"},
        {QT_TRANSLATE_NOOP("Menu", "&End"), "MenuEnd", endButton, std::move(end)},
    });
    // clang-format on
    // "Recent files" before "End".
    recentMenu_ = new QMenu(MenuText(QT_TRANSLATE_NOOP("Menu", "&Recent files")), file);
    recentMenu_->setObjectName("MenuRecent");
    file->insertMenu(menuAction("End"), recentMenu_);
    showRecentFiles();
}

std::vector<EditorFrame::MenuItem> EditorFrame::programItems(const char* runHint) {
    // clang-format off
    return {
        {QT_TRANSLATE_NOOP("Menu", "Return to &origin"), "MenuOrigin", "Return to origin", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "&Program execute"), "MenuRun", runHint, {}, true},
        {QT_TRANSLATE_NOOP("Menu", "&Motor free"), "MenuFree", "Motor free", {}, true},
    };
    // clang-format on
}

void EditorFrame::addDisplayMenu(const std::vector<MenuItem>& more) {
    struct Editor {
        const char* text;
        const char* objectName;
        DataKind kind;
        Navigator::Window window;
    };
    const Editor editors[] = {
        {QT_TRANSLATE_NOOP("Menu", "&Step"), "MenuStep", DataKind::Step, Navigator::Window::Steps},
        {QT_TRANSLATE_NOOP("Menu", "&Parameter"), "MenuParameter", DataKind::Parameter,
         Navigator::Window::Parameters},
        {QT_TRANSLATE_NOOP("Menu", "P&allet"), "MenuPallet", DataKind::Pallet,
         Navigator::Window::Pallets},
        {QT_TRANSLATE_NOOP("Menu", "&Offset"), "MenuOffset", DataKind::Offset,
         Navigator::Window::Offsets},
    };
    std::vector<MenuItem> items;
    for (const Editor& e : editors) {
        if (e.kind == document_.kind()) continue;
        items.push_back({e.text, e.objectName, nullptr,
                         [this, window = e.window] { showScreen(window, false); }});
    }
    items.insert(items.end(), more.begin(), more.end());
    items.push_back({QT_TRANSLATE_NOOP("Menu", "&Direct"), "MenuDirect", nullptr,
                     [this] { showScreen(Navigator::Window::Direct, true); }});
    addMenu(QT_TRANSLATE_NOOP("Menu", "&Display"), items);
}

QMenu* EditorFrame::addMenu(const QString& title, const std::vector<MenuItem>& given) {
    std::vector<MenuItem> items = given;
    // Every editor's Display menu ends with the run history, the communication log and the
    // settings.
    if (QString(title).remove('&') == "Display") {
        items.push_back(
            {QT_TRANSLATE_NOOP("Menu", "Run &history"), "MenuRunHistory", nullptr, [this] {
                 if (links_.navigator) links_.navigator->show(Navigator::Window::History);
             }});
        items.push_back(
            {QT_TRANSLATE_NOOP("Menu", "Communication &log"), "MenuComLog", nullptr, [this] {
                 if (links_.navigator) links_.navigator->show(Navigator::Window::Log);
             }});
        items.push_back(
            {QT_TRANSLATE_NOOP("Menu", "Se&ttings..."), "MenuSettings", nullptr, [this] {
                 if (links_.navigator) links_.navigator->show(Navigator::Window::Settings);
             }});
    }
    return chrome_.addMenu(title, items);
}

QMenu* EditorFrame::addEditMenu(const std::vector<MenuItem>& more) {
    std::vector<MenuItem> items = {
        {QT_TRANSLATE_NOOP("Menu", "&Undo"), "MenuUndo", nullptr, [this] { undo(); }, false, false,
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {QT_TRANSLATE_NOOP("Menu", "&Redo"), "MenuRedo", nullptr, [this] { redo(); }, false, false,
         QKeySequence(Qt::CTRL | Qt::Key_Y)},
    };
    if (!more.empty()) items.push_back({nullptr});
    items.insert(items.end(), more.begin(), more.end());
    QMenu* menu = addMenu(QT_TRANSLATE_NOOP("Menu", "&Edit"), items);
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

void EditorFrame::setRecentFiles(const QStringList& files) {
    document_.setRecentFiles(files);
    showRecentFiles();
}

void EditorFrame::showRecentFiles() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const QStringList& recent = document_.recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QString text = path;
        text.replace('&', "&&");
        QAction* a = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(text));
        connect(a, &QAction::triggered, this, [this, path] { openNamed(path); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

const char* EditorFrame::kindName() const { return document_.description().word.c_str(); }

QVBoxLayout* EditorFrame::centreLayout() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 2, 4, 4);
    setCentralWidget(centre);
    return layout;
}

void EditorFrame::watchGrid(QTableView* grid, const std::vector<int>& columnWidths) {
    gridKeys_ = new GridKeyWatcher(grid, [this](const QModelIndexList& c) { clearCells(c); });
    grid->setItemDelegate(new GridTextDelegate(grid));
    FitColumnsToText(grid, columnWidths);
}

QTableView* EditorFrame::watchedGrid() const { return gridKeys_ ? gridKeys_->grid() : nullptr; }

int EditorFrame::widthForColumns() const { return gridKeys_->widthForColumns(); }

void EditorFrame::clearCells(const QModelIndexList& cells) {
    // Several cells are one edit.
    if (cells.size() > 1) undo_->beginMacro("Clear");
    for (const QModelIndex& i : cells) watchedGrid()->model()->setData(i, QString());
    if (cells.size() > 1) undo_->endMacro();
}

}  // namespace mivo
