#include "shell/editor_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QUndoStack>

#include "common/prompter.h"
#include "shell/grid_columns.h"
#include "shell/grid_keys.h"
#include "shell/port_dialog.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

EditorFrame::EditorFrame(const EditorLinks& links, DataKind kind, const FileKind& files,
                         QWidget* parent)
    : QMainWindow(parent),
      links_(links),
      document_(kind),
      chrome_(this, links.link),
      operations_(
          this, links.link, links.transfer, prompter(), log_,
          [this](const std::string& n) { showProgramNumber(n); },
          [this] { applyOnlineState(onlineShown()); }),
      files_(
          this, document_, files, prompter(),
          {[this] { return fileContent(); },
           [this](int f, std::string_view content, Prompter& p) {
               return convertFile(f, content, p);
           },
           [this] { fileOpened(); }, [this] { setModified(false); }, [this] { return modified(); },
           [this] {
               updateTitle();
               showRecentFiles();
           }}),
      undo_(new QUndoStack(this)) {
    if (links_.flags) links_.flags->setSaver(kind, [this] { return saveFromStartScreen(); });
    operations_.setRunAccount(links_.runs);
    connect(undo_, &QUndoStack::cleanChanged, this, &EditorFrame::showModified);
    PassFieldUndoKeys(
        this, [this] { return menuAction("Undo"); }, [this] { return menuAction("Redo"); });
}

EditorFrame::~EditorFrame() {
    // The stack, a child, clears itself when it goes and would report a clean state to a
    // frame half gone.
    undo_->disconnect(this);
}

void EditorFrame::setModified(bool on) {
    if (on)
        undo_->resetClean();
    else
        undo_->setClean();
    showModified();
}

void EditorFrame::showModified() {
    document_.setModified(!undo_->isClean());
    if (links_.flags) links_.flags->set(document_.kind(), document_.modified());
    updateTitle();
}

void EditorFrame::setCaption(const QString& caption) {
    document_.setCaption(caption);
    updateTitle();
}

void EditorFrame::forgetFile() {
    document_.forgetFile();
    updateTitle();
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

Prompter& EditorFrame::prompter() {
    return links_.prompter ? *links_.prompter : SilentPrompter::instance();
}

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

bool EditorFrame::saveFromStartScreen() {
    return files_.save(
        links_.navigator ? links_.navigator->window(Navigator::Window::Start) : nullptr, false);
}

}  // namespace mivo
