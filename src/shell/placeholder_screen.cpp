#include "shell/placeholder_screen.h"

#include <QCloseEvent>
#include <QToolBar>

#include "shell/screens.h"
#include "shell/tselect.h"

namespace mivo {

PlaceholderScreen::PlaceholderScreen(Screens& screens, const QString& objectName,
                                     const QString& caption, QWidget* parent)
    : QMainWindow(parent), screens_(screens) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setCentralWidget(new QWidget(this));
    resize(480, 260);
}

QToolBar* PlaceholderScreen::toolBar() {
    if (!toolBar_) {
        toolBar_ = addToolBar("Tools");
        toolBar_->setMovable(false);
    }
    return toolBar_;
}

void PlaceholderScreen::closeEvent(QCloseEvent* event) {
    // Screens live for the whole run: closing hides this one and returns to the start screen.
    event->ignore();
    hide();
    if (screens_.tselect) screens_.tselect->show();
}

}  // namespace mivo
