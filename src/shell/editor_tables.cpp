// The editor frame's tables that the four editors share: the file, program and teaching
// buttons, the File and Display menus, and the Communication menu's program items.
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "shell/editor_access.h"
#include "shell/editor_frame.h"
#include "shell/teach_target.h"

namespace mivo {

namespace {

std::string Named(const char* prefix, const char* name) { return std::string(prefix) + name; }

}  // namespace

std::vector<EditorFrame::Button> EditorFrame::fileButtons(const char* prefix,
                                                          std::function<void()> newProgramming) {
    return {
        {"New programming", Named(prefix, "New"), "New", false, std::move(newProgramming),
         "document-new", QStyle::SP_FileIcon},
        {"Open", Named(prefix, "Open"), "Opn", false, [this] { openFile(); }, "document-open",
         QStyle::SP_DialogOpenButton},
        {"Save", Named(prefix, "Save"), "Sav", false, [this] { saveFile(); }, "document-save",
         QStyle::SP_DialogSaveButton},
        {"Print", Named(prefix, "Print"), "Prn", false,
         [this] {
             if (print_) print_->printFrom(kind_, this);
         },
         "document-print"},
    };
}

std::vector<EditorFrame::Button> EditorFrame::programButtons(
    const char* prefix, const char* runHint,
    std::function<std::string(const std::string&)> startQuestion) {
    return {
        {"Return to origin", Named(prefix, "Origin"), "Org", true, [this] { runReturnToOrigin(); },
         "go-home", QStyle::SP_DirHomeIcon},
        {runHint, Named(prefix, "Run"), "Run", true,
         [this, startQuestion] { runExecuteProgram(startQuestion); }, "media-playback-start",
         QStyle::SP_MediaPlay},
        {"Motor free", Named(prefix, "Free"), "MF", true, [this] { runMotorFree(); },
         "process-stop", QStyle::SP_BrowserStop},
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
    return {"Initial screen move", Named(prefix, "End"), "End", false, std::move(end), "go-first",
            QStyle::SP_ArrowBack};
}

void EditorFrame::addFileMenu(std::function<void()> end) {
    const char* endButton = end ? nullptr : "Initial screen move";
    QMenu* file = addMenu(
        "&File",
        {
            {"&New programming", "MenuNew", "New programming", {}, false, false, QKeySequence::New},
            {"&Open", "MenuOpen", "Open", {}, false, false, QKeySequence::Open},
            {"&Save", "MenuSave", "Save", {}, false, false, QKeySequence::Save},
            {"&Print", "MenuPrint", "Print"},
            {"&End", "MenuEnd", endButton, std::move(end)},
        });
    // "Recent files" before "End".
    recentMenu_ = new QMenu("&Recent files", file);
    recentMenu_->setObjectName("MenuRecent");
    file->insertMenu(menuAction("End"), recentMenu_);
    showRecentFiles();
}

std::vector<EditorFrame::MenuItem> EditorFrame::programItems(const char* runHint) {
    return {
        {"Return to &origin", "MenuOrigin", "Return to origin", {}, true},
        {"&Program execute", "MenuRun", runHint, {}, true},
        {"&Motor free", "MenuFree", "Motor free", {}, true},
    };
}

void EditorFrame::addDisplayMenu(const std::vector<MenuItem>& more) {
    struct Editor {
        const char* text;
        const char* objectName;
        DataKind kind;
        Navigator::Window window;
    };
    const Editor editors[] = {
        {"&Step", "MenuStep", DataKind::Step, Navigator::Window::Steps},
        {"&Parameter", "MenuParameter", DataKind::Parameter, Navigator::Window::Parameters},
        {"P&allet", "MenuPallet", DataKind::Pallet, Navigator::Window::Pallets},
        {"&Offset", "MenuOffset", DataKind::Offset, Navigator::Window::Offsets},
    };
    std::vector<MenuItem> items;
    for (const Editor& e : editors) {
        if (e.kind == kind_) continue;
        items.push_back({e.text, e.objectName, nullptr,
                         [this, window = e.window] { showScreen(window, false); }});
    }
    items.insert(items.end(), more.begin(), more.end());
    items.push_back({"&Direct", "MenuDirect", nullptr,
                     [this] { showScreen(Navigator::Window::Direct, true); }});
    addMenu("&Display", items);
}

void EditorFrame::picturesOnly() {
    if (auto* bar = findChild<QToolBar*>("ToolBar1"))
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

}  // namespace mivo
