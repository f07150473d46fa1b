#include "shell/start_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/prompter.h"
#include "common/version.h"
#include "files/data_kind.h"
#include "link/controller_link.h"
#include "shell/editor_frame.h"
#include "shell/modified_flags.h"
#include "shell/navigator.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

// The service layout is chosen with these two modifiers held.
constexpr Qt::KeyboardModifiers kServiceModifiers = Qt::ControlModifier | Qt::ShiftModifier;

}  // namespace

StartScreen::StartScreen(const Navigator& navigator, ControllerLink& link, ModifiedFlags& flags,
                         Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), navigator_(navigator), link_(link), flags_(flags), prompter_(prompter) {
    setObjectName("Tselect");
    setWindowTitle(tr("MIVO Series Editor"));
    auto* centre = new QWidget(this);
    centre->setAutoFillBackground(true);
    auto* title = new QLabel(tr("MIVO Series Editor"), centre);
    title->setObjectName("Label1");
    QFont big = title->font();
    big.setPointSize(20);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(tr("Ver. ") + kVersion, centre);
    version->setObjectName("Label2");
    auto* hint = new QLabel(tr("Click the starting button"), centre);
    hint->setObjectName("Label3");
    SetRedBold(hint);
    start_ = new QPushButton(tr("Start MIVO Editor"), centre);
    start_->setObjectName("Button1");
    start_->installEventFilter(this);

    auto* layout = new QVBoxLayout(centre);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(hint, 0, Qt::AlignHCenter);
    layout->addWidget(start_, 0, Qt::AlignHCenter);
    setCentralWidget(centre);
    SetFixedWrittenSize(this, {400, 240});
    connect(start_, &QPushButton::clicked, this, &StartScreen::onStartClicked);
}

void StartScreen::onStartClicked() {
    hide();
    navigator_.show(Navigator::Window::Steps);
    // The switches and the editors' on-line commands follow the link's state; a port that
    // cannot be opened is reported by the link ("Port cannot be open").
    link_.goOnline();
}

void StartScreen::showEvent(QShowEvent* event) {
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
    // Back at the start screen: whatever waits on the line ends, and the port is closed.
    link_.abortWaits();
    link_.goOffline();
    QMainWindow::showEvent(event);
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == start_ && event->type() == QEvent::KeyPress)
        StartKeyDown(static_cast<QKeyEvent*>(event)->modifiers());
    return QMainWindow::eventFilter(watched, event);
}

void StartScreen::keyPressEvent(QKeyEvent* event) {
    // Enter starts, as the start button's click does (the button passes the key on).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        onStartClicked();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void StartScreen::StartKeyDown(Qt::KeyboardModifiers modifiers) {
    const bool service = (modifiers & kServiceModifiers) == kServiceModifiers;
    QWidget* centre = centralWidget();
    QPalette p = centre->palette();
    // Grey text for the service layout; otherwise the caption-text colour (the text colour of
    // highlighted bars, the nearest the toolkit has).
    const QPalette system = QApplication::palette();
    p.setColor(QPalette::Window, service ? system.color(QPalette::Disabled, QPalette::WindowText)
                                         : system.color(QPalette::HighlightedText));
    centre->setPalette(p);
    if (service != serviceLayout_) {
        serviceLayout_ = service;
        emit serviceLayoutChanged(service);
    }
}

void StartScreen::closeEvent(QCloseEvent* event) {
    // Cancel, or a Yes whose save wrote nothing, keeps the program open as it was.
    // The closing questions, in the kinds' order.
    for (const DataKind kind : kDataKinds) {
        if (!flags_.isSet(kind)) continue;
        const DataKindDescription& d = Describe(kind);
        const Prompter::Answer a = prompter_.askYesNoCancel(d.closingQuestion, d.closingCaption);
        if (a == Prompter::Answer::Cancel ||
            (a == Prompter::Answer::Yes && !flags_.runSaver(kind))) {
            event->ignore();
            return;
        }
    }
    QApplication::processEvents();
    link_.abortWaits();
    link_.goOffline();
    event->accept();
    emit programEnded();
}

}  // namespace mivo
