#include "steps/tmmain.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <array>

#include "link/tbuff.h"
#include "shell/file_chooser.h"
#include "shell/line_switch.h"
#include "shell/modified_flags.h"
#include "procedures/prompter.h"
#include "shell/screens.h"
#include "shell/tcancel.h"
#include "shell/tcom.h"
#include "shell/tselect.h"
#include "steps/grid_step_model.h"

namespace mivo {

namespace {

struct ButtonSpec {
    const char* hint;
    const char* objectName;
    const char* face;  // the letters drawn on the button
    bool online;       // needs the controller
};

// Tool-bar buttons, left to right.
constexpr std::array<ButtonSpec, 13> kButtons = {{
    {"New programming", "STEPNew", "New", false},
    {"Open", "STEPOpen", "Opn", false},
    {"Save", "STEPSave", "Sav", false},
    {"Print", "STEPPrint", "Prn", false},
    {"Step send", "STEPSend", "Snd", true},
    {"Step receive", "STEPReceive", "Rcv", true},
    {"Step initialize", "STEPInit", "Ini", true},
    {"Return to origin", "STEPOrigin", "Org", true},
    {"Operation execute", "STEPRun", "Run", true},
    {"Motor free", "STEPFree", "MF", true},
    {"Initial screen move", "STEPEnd", "End", false},
    {"Error record display", "STEPErrRec", "Err", true},
    {"Program No. acquire", "STEPPgmNo", "No.", true},
}};

constexpr int kColumnWidths[GridStepModel::kColumnCount] = {59, 80, 63, 54, 52, 55, 49, 44, 124};

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

// Used only when no prompter is registered: questions are answered No.
class SilentPrompter : public Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return false; }
    void notify(const std::string&, const std::string&) override {}
    void showControllerError(const std::string&) override {}
};

}  // namespace

Tmmain::Tmmain(Screens& screens, QWidget* parent)
    : QMainWindow(parent),
      screens_(screens),
      dialogChooser_(std::make_unique<DialogFileChooser>()),
      silentPrompter_(std::make_unique<SilentPrompter>()) {
    setObjectName("Tmmain");
    setWindowTitle("MIVO Editor [Main-Step]");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(636, 488);
    setMaximumSize(700, 540);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }

    model_ = new GridStepModel(table_, this);
    model_->setEditHandler(
        [this](int step, int field, const QString& text) { return cellEdited(step, field, text); });
    undo_ = new QUndoStack(this);

    buildActions();
    buildToolBar();
    buildMenus();
    buildCentre();

    if (screens_.tbuff) {
        connect(screens_.tbuff, &TBuff::onlineChanged, this, &Tmmain::applyOnlineState);
        applyOnlineState(screens_.tbuff->isOnline());
    } else {
        applyOnlineState(false);
    }
    if (screens_.flags) screens_.flags->setSaver(DataKind::Step, [this] { saveFromStartScreen(); });
}

Tmmain::~Tmmain() = default;

QAction* Tmmain::makeAction(const QString& text, const char* objectName) {
    auto* a = new QAction(text, this);
    a->setObjectName(objectName);
    return a;
}

void Tmmain::buildActions() {
    for (const auto& b : kButtons) {
        QAction* a = makeAction(b.hint, b.objectName);
        a->setToolTip(b.hint);
        a->setIcon(FaceIcon(b.face));
        buttons_[b.hint] = a;
        if (b.online) onlineActions_.push_back(a);
    }
    connect(action("New programming"), &QAction::triggered, this, &Tmmain::newProgramming);
    connect(action("Open"), &QAction::triggered, this, &Tmmain::openFile);
    connect(action("Save"), &QAction::triggered, this, &Tmmain::saveFile);
    connect(action("Initial screen move"), &QAction::triggered, this, &Tmmain::endEditor);
    connect(action("Step send"), &QAction::triggered, this, &Tmmain::sendSteps);
    connect(action("Step receive"), &QAction::triggered, this, &Tmmain::receiveSteps);
    connect(action("Step initialize"), &QAction::triggered, this, &Tmmain::initializeSteps);
    connect(action("Return to origin"), &QAction::triggered, this, &Tmmain::returnToOrigin);
    connect(action("Operation execute"), &QAction::triggered, this, &Tmmain::executeOperation);
    connect(action("Motor free"), &QAction::triggered, this, &Tmmain::motorFree);
    connect(action("Error record display"), &QAction::triggered, this, &Tmmain::showErrorRecord);
    connect(action("Program No. acquire"), &QAction::triggered, this, &Tmmain::acquireProgramNo);
}

void Tmmain::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const auto& b : kButtons) {
        QAction* a = buttons_.at(b.hint);
        bar->addAction(a);
        if (QWidget* w = bar->widgetForAction(a)) w->setObjectName(b.objectName);
    }
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    lineSwitch_ = new LineSwitch(*screens_.tbuff, bar);
    bar->addWidget(lineSwitch_);
    addToolBar(Qt::TopToolBarArea, bar);
}

void Tmmain::buildMenus() {
    // A menu item for a tool-bar command triggers the button's action, so that one connection
    // serves both.
    auto forward = [this](QMenu* menu, const QString& text, const char* name,
                          const QString& button) {
        QAction* item = makeAction(text, name);
        QAction* target = action(button);
        connect(item, &QAction::triggered, target, &QAction::trigger);
        menu->addAction(item);
        menuItems_[text] = item;
        return item;
    };
    auto plain = [this](QMenu* menu, const QString& text, const char* name) {
        QAction* item = makeAction(text, name);
        menu->addAction(item);
        menuItems_[text] = item;
        return item;
    };

    QMenu* file = menuBar()->addMenu("File");
    forward(file, "New programming", "MenuNew", "New programming");
    forward(file, "Open", "MenuOpen", "Open");
    forward(file, "Save", "MenuSave", "Save");
    forward(file, "Print", "MenuPrint", "Print");
    forward(file, "End", "MenuEnd", "Initial screen move");

    QMenu* edit = menuBar()->addMenu("Edit");
    QAction* undoItem = plain(edit, "Undo", "MenuUndo");
    undoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoItem->setEnabled(false);
    connect(undoItem, &QAction::triggered, this, &Tmmain::undo);
    connect(undo_, &QUndoStack::canUndoChanged, undoItem, &QAction::setEnabled);
    QAction* redoItem = plain(edit, "Redo", "MenuRedo");
    redoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoItem->setEnabled(false);
    connect(redoItem, &QAction::triggered, this, &Tmmain::redo);
    connect(undo_, &QUndoStack::canRedoChanged, redoItem, &QAction::setEnabled);
    edit->addSeparator();
    connect(plain(edit, "Insert", "STEPIns"), &QAction::triggered, this, &Tmmain::insertSteps);
    connect(plain(edit, "Delete", "STEPDel"), &QAction::triggered, this, &Tmmain::deleteSteps);

    QMenu* com = menuBar()->addMenu("Communication");
    comSetAction_ = plain(com, "COM set", "MenuComSet");
    connect(comSetAction_, &QAction::triggered, this, &Tmmain::comSet);
    onlineActions_.push_back(forward(com, "Step send", "MenuStepSend", "Step send"));
    onlineActions_.push_back(forward(com, "Step receive", "MenuStepReceive", "Step receive"));
    onlineActions_.push_back(forward(com, "Step initialize", "MenuStepInit", "Step initialize"));
    onlineActions_.push_back(forward(com, "Return to origin", "MenuOrigin", "Return to origin"));
    onlineActions_.push_back(forward(com, "Program execute", "MenuRun", "Operation execute"));
    onlineActions_.push_back(forward(com, "Motor free", "MenuFree", "Motor free"));

    QMenu* display = menuBar()->addMenu("Display");
    connect(plain(display, "Parameter", "MenuParameter"), &QAction::triggered, this,
            [this] { showOtherScreen(screens_.tparameter, false); });
    connect(plain(display, "Pallet", "MenuPallet"), &QAction::triggered, this,
            [this] { showOtherScreen(screens_.tpalet, false); });
    connect(plain(display, "Offset", "MenuOffset"), &QAction::triggered, this,
            [this] { showOtherScreen(screens_.toffset, false); });
    onlineActions_.push_back(
        forward(display, "Error record display", "MenuErrRec", "Error record display"));
    connect(plain(display, "Direct", "MenuDirect"), &QAction::triggered, this,
            [this] { showOtherScreen(screens_.tdirect, true); });

    QMenu* help = menuBar()->addMenu("Help");
    // Off line the dialog still shows the editor's own version.
    connect(plain(help, "Version", "MenuVersion"), &QAction::triggered, this,
            &Tmmain::showVersion);
}

void Tmmain::buildCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);

    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(" Send/Receive Range ", centre));
    jaku_ = new QLineEdit("0", centre);
    jaku_->setObjectName("jaku");
    jaku_->setMaxLength(3);
    jaku_->setFixedWidth(40);
    rangeRow->addWidget(jaku_);
    rangeRow->addWidget(new QLabel("-", centre));
    kyou_ = new QLineEdit("999", centre);
    kyou_->setObjectName("kyou");
    kyou_->setMaxLength(3);
    kyou_->setFixedWidth(40);
    rangeRow->addWidget(kyou_);
    rangeRow->addSpacing(30);
    rangeRow->addWidget(new QLabel("Pgm No.  ", centre));
    programNumber_ = new QLabel("0", centre);
    programNumber_->setObjectName("PgmNo");
    QFont bold = programNumber_->font();
    bold.setBold(true);
    programNumber_->setFont(bold);
    programNumber_->setStyleSheet("color: #FF0000;");
    rangeRow->addWidget(programNumber_);
    rangeRow->addStretch(1);
    layout->addLayout(rangeRow);

    grid_ = new QTableView(centre);
    grid_->setObjectName("STEPGRID");
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setMinimumSectionSize(18);
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < GridStepModel::kColumnCount; ++c)
        grid_->horizontalHeader()->resizeSection(c, kColumnWidths[c]);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Double-click opens the command-entry dialog; typing edits the cell in place.
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    grid_->setWordWrap(false);
    grid_->setCurrentIndex(model_->index(0, 1));
    grid_->installEventFilter(this);

    // The pop-up menu; its shortcuts work while the grid has the focus.
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto popup = [this](const QString& text, const char* name, QKeySequence key,
                        void (Tmmain::*handler)()) {
        QAction* a = makeAction(text, name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, handler);
        grid_->addAction(a);
        menuItems_[text] = a;
    };
    popup("Copy", "STEPCopy", QKeySequence(Qt::CTRL | Qt::Key_C), &Tmmain::copySteps);
    popup("Cut-off", "STEPCut", QKeySequence(Qt::CTRL | Qt::Key_X), &Tmmain::cutSteps);
    popup("Paste", "STEPPaste", QKeySequence(Qt::CTRL | Qt::Key_V), &Tmmain::pasteSteps);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    grid_->addAction(separator);
    grid_->addAction(menuAction("Insert"));
    grid_->addAction(menuAction("Delete"));

    connect(grid_, &QTableView::clicked, this, [this] { upperCaseCommands(); });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openStepDialog(index.row()); });

    layout->addWidget(grid_, 1);
    setCentralWidget(centre);
}

LineSwitch* Tmmain::lineSwitch() { return lineSwitch_; }

QAction* Tmmain::action(const QString& hint) const {
    const auto it = buttons_.find(hint);
    return it == buttons_.end() ? nullptr : it->second;
}

QAction* Tmmain::menuAction(const QString& text) const {
    const auto it = menuItems_.find(text);
    return it == menuItems_.end() ? nullptr : it->second;
}

StepTable& Tmmain::table() { return table_; }
QUndoStack& Tmmain::undoStack() { return *undo_; }
QTableView* Tmmain::grid() const { return grid_; }

void Tmmain::setStepModified(bool on) {
    stepModified_ = on;
    if (screens_.flags) screens_.flags->set(DataKind::Step, on);
}

void Tmmain::setProgramNumber(const QString& number) { programNumber_->setText(number); }
QString Tmmain::programNumber() const { return programNumber_->text(); }
QString Tmmain::rangeStart() const { return jaku_->text(); }
QString Tmmain::rangeEnd() const { return kyou_->text(); }

void Tmmain::setFileChooser(FileChooser* chooser) { chooser_ = chooser; }
FileChooser& Tmmain::chooser() { return chooser_ ? *chooser_ : *dialogChooser_; }
Prompter& Tmmain::prompter() { return screens_.prompter ? *screens_.prompter : *silentPrompter_; }

void Tmmain::applyOnlineState(bool online) {
    for (QAction* a : onlineActions_) a->setEnabled(online);
    comSetAction_->setEnabled(!online);
}

void Tmmain::endEditor() {
    hide();
    if (screens_.tselect) screens_.tselect->show();
}

void Tmmain::closeEvent(QCloseEvent* event) {
    // The editor is never destroyed: closing means going back to the start screen.
    event->ignore();
    endEditor();
}

void Tmmain::comSet() {
    if (!screens_.tcom) return;
    setEnabled(false);
    screens_.tcom->show();
    screens_.tcom->raise();
}

void Tmmain::showOtherScreen(QWidget* screen, bool refusedWhileOperating) {
    if (!screen) return;
    if (refusedWhileOperating && screens_.tcancel && screens_.tcancel->isVisible()) {
        prompter().notify(
            "'Move to direct screen' cannot be executed while 'Operating' is displayed",
            "Operating");
        return;
    }
    hide();
    screen->show();
    screen->raise();
}

}  // namespace mivo
