// The direct-operation screen's controls: tool bar, menus, the received-information display,
// the groups "Command list", "Teach command" and "Position, program", and the panels.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolBar>
#include <QVBoxLayout>
#include <tuple>

#include "common/fiber.h"
#include "direct/cycle_time_panel.h"
#include "direct/direct_commands.h"
#include "direct/direct_controls.h"
#include "direct/direct_panel.h"
#include "direct/direct_screen.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/jog_button.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "direct/stop_key.h"
#include "i18n/translated_texts.h"
#include "shell/communication_log.h"
#include "shell/cp1252_validator.h"
#include "shell/editor_frame.h"
#include "shell/keyboard_map.h"
#include "shell/line_switch.h"
#include "shell/navigator.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

// Captions and hints of the output panels past DO 12.
QString OutputCaption(int n) {
    if (n == 13) return "PALLET";
    if (n == 14) return "BUSY";
    if (n == 15) return "READY";
    return QString("DO %1").arg(n);
}
QString OutputHint(int n) {
    if (n >= 13)
        return QCoreApplication::translate("mivo::DirectScreen", "%1 signal output, state")
            .arg(OutputCaption(n));
    return QCoreApplication::translate("mivo::DirectScreen", "DO %1 output, state").arg(n);
}

// A tool-bar button's text: its menu item's without the menu letter ("(&C)" as Japanese
// writes it, or the '&').
QString WithoutMenuLetter(QString text) {
    static const QRegularExpression bracketed("\\(&.\\)");
    return text.remove(bracketed).remove('&');
}

}  // namespace

void DirectScreen::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const QString clearText =
        WithoutMenuLetter(MenuText(QT_TRANSLATE_NOOP("Menu", "Received contents delete")));
    QAction* clear = bar->addAction(clearText, this, &DirectScreen::onClearClicked);
    clear->setObjectName("ClearButton");
    clear->setToolTip(clearText);
    const QString initialText =
        WithoutMenuLetter(MenuText(QT_TRANSLATE_NOOP("Menu", "Initial screen move")));
    QAction* initial = bar->addAction(initialText, this, &DirectScreen::onInitialClicked);
    initial->setObjectName("InitialButton");
    initial->setToolTip(initialText);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    lineSwitch_ = new LineSwitch(link_, LineSwitch::Direct, bar);
    bar->addWidget(lineSwitch_);
    addToolBar(Qt::TopToolBarArea, bar);
}

void DirectScreen::buildMenus() {
    // Each shown in the user's language; its object name stays.
    const auto item = [this](QMenu* menu, const char* text, const char* objectName, auto handler) {
        menu->addAction(MenuText(text), this, handler)->setObjectName(objectName);
    };
    QMenu* file = menuBar()->addMenu(MenuText(QT_TRANSLATE_NOOP("Menu", "File")));
    item(file, QT_TRANSLATE_NOOP("Menu", "Received contents delete"), "MenuClear",
         [this] { onClearClicked(); });
    item(file, QT_TRANSLATE_NOOP("Menu", "End"), "MenuEnd", [this] { onEndClicked(); });
    QMenu* display = menuBar()->addMenu(MenuText(QT_TRANSLATE_NOOP("Menu", "Display")));
    using Window = Navigator::Window;
    const std::tuple<const char*, const char*, Window> editors[] = {
        {QT_TRANSLATE_NOOP("Menu", "Step"), "MenuStep", Window::Steps},
        {QT_TRANSLATE_NOOP("Menu", "Parameter"), "MenuParameter", Window::Parameters},
        {QT_TRANSLATE_NOOP("Menu", "Pallet"), "MenuPallet", Window::Pallets},
        {QT_TRANSLATE_NOOP("Menu", "Offset"), "MenuOffset", Window::Offsets}};
    for (const auto& [text, name, window] : editors)
        item(display, text, name, [this, window = window] { leaveFor(navigator_.window(window)); });
    item(display, QT_TRANSLATE_NOOP("Menu", "Path preview"), "MenuPathPreview",
         [this] { emit pathPreviewRequested(); });
    item(display, QT_TRANSLATE_NOOP("Menu", "Run history"), "MenuRunHistory",
         [this] { navigator_.show(Navigator::Window::History); });
    item(display, QT_TRANSLATE_NOOP("Menu", "Communication log"), "MenuComLog",
         [this] { navigator_.show(Navigator::Window::Log); });
    item(display, QT_TRANSLATE_NOOP("Menu", "Settings..."), "MenuSettings",
         [this] { navigator_.show(Navigator::Window::Settings); });
    // Every key of every window, the STOP key among them.
    QMenu* help = menuBar()->addMenu(MenuText(QT_TRANSLATE_NOOP("Menu", "Help")));
    item(help, QT_TRANSLATE_NOOP("Menu", "Keyboard"), "MenuKeyboard",
         [this] { ShowKeyboardMap(this); });
}

void DirectScreen::buildCentre() {
    auto* centre = new QWidget(this);
    auto* heading = new QLabel(tr("Received infomation display"), centre);
    heading->setObjectName("Label1");
    display_ = new QPlainTextEdit(centre);
    display_->setObjectName("Memo1");
    focus_.setResting(display_);
    display_->setReadOnly(true);
    display_->setMaximumBlockCount(kDisplayLines);
    display_->setLineWrapMode(QPlainTextEdit::NoWrap);
    display_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FollowNewLines(display_);
    // The cycle times under the display, in sight with RUN whatever the window's size; the
    // display takes the height the window gives.
    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(display_, 1);
    left->addWidget(buildCycleTime());
    left->addWidget(stopMark_ = new StopStateMark(centre));
    left->addWidget(buildPanels());

    auto* groups = new QWidget;
    auto* right = new QVBoxLayout(groups);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(buildCommands());
    right->addWidget(buildTeach());
    right->addWidget(buildPosition());
    right->addStretch(1);

    auto* layout = new QHBoxLayout(centre);
    layout->addLayout(left, 4);
    // On a screen too small for the groups they scroll; STOP and MSTOP stay in sight.
    layout->addWidget(ScrolledArea(groups), 6);
    setCentralWidget(centre);

    // The sets, from their members' names.
    for (EnableSet set :
         {EnableSet::CommandControls, EnableSet::MonitorControls, EnableSet::StopPanels,
          EnableSet::CancelPanel, EnableSet::IoPanels, EnableSet::JogButtons,
          EnableSet::MonitorButton, EnableSet::PositionQueries, EnableSet::PositionFields})
        for (const std::string& name : EnableSetMembers(set))
            if (QWidget* w = controls_[name]) sets_[set].push_back(w);

    // Its written size at first; it grows and maximises, the display and the groups taking the
    // room.
    resize(910, 600);
}

QPushButton* DirectScreen::commandButton(const char* name, const char* caption, const char* hint,
                                         Outcome (*command)(DirectSession&)) {
    // A caption or hint marked with QT_TR_NOOP shows translated; the command names as they are.
    auto* b = new QPushButton(tr(caption));
    b->setObjectName(name);
    if (hint) b->setToolTip(tr(hint));
    b->setAutoDefault(false);
    if (command)
        connect(b, &QPushButton::clicked, this,
                [this, command] { Fiber::start([this, command] { command(*session_); }); });
    controls_[name] = b;
    return b;
}

QLineEdit* DirectScreen::fieldEdit(DirectField f, const char* name, int maxLength,
                                   const char* text) {
    auto* e = new QLineEdit(text);
    e->setObjectName(name);
    if (maxLength > 0) e->setMaxLength(maxLength);
    e->setValidator(new Cp1252Validator(e));
    fields_[f] = e;
    controls_[name] = e;
    return e;
}

QWidget* DirectScreen::buildCommands() {
    auto* group = new QGroupBox(tr("Command list"));
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    const auto put = [&](QWidget* w, int row, int column, int span = 1) {
        grid->addWidget(w, row, column, 1, span);
    };
    put(commandButton("ORG", "ORG", QT_TR_NOOP("Return to origin"), ReturnToOriginDirect), 0, 0);
    put(commandButton("RUN", "RUN", QT_TR_NOOP("Program execute"), RunProgram), 0, 1);
    put(commandButton("SRUN", "SRUN", QT_TR_NOOP("Step operation execute"), RunStep), 0, 2);
    put(commandButton("OFF", "OFF", QT_TR_NOOP("Offset execute (after @GO→teach is set)"),
                      OffsetExecute),
        0, 3);
    put(commandButton("ZI", "ZI", QT_TR_NOOP("ZI move"), ZiMove), 0, 4);
    put(commandButton("REL", "?REL", QT_TR_NOOP("Release No. receive"), QueryRelease), 0, 5);
    put(commandButton("INITCALL", "INIT C ALL", QT_TR_NOOP("All counters initialize"),
                      InitAllCounters),
        1, 0);
    put(commandButton("INITPGM", "INIT PGM", QT_TR_NOOP("Program step initialize"), InitProgram), 1,
        1);
    put(commandButton("INITPGMALL", "INIT PGM ALL", QT_TR_NOOP("All program steps initialize"),
                      InitAllPrograms),
        1, 2);
    put(commandButton("INITERR", "INIT ERR", QT_TR_NOOP("Error record initialize"), InitErrors), 1,
        3);
    QPushButton* initPrm =
        commandButton("INITPRM", "INIT PRM", QT_TR_NOOP("Parameter initialize"), nullptr);
    connect(initPrm, &QPushButton::clicked, this, &DirectScreen::onInitParametersClicked);
    put(initPrm, 1, 4);
    put(commandButton("MOMCH", "MOMCH", QT_TR_NOOP("Memory check"), MemoryCheck), 1, 5);
    put(commandButton("RSNO", "?SNO", QT_TR_NOOP("Present motion step display"), QueryStepNo), 2,
        0);
    put(commandButton("RNO", "?NO", QT_TR_NOOP("Program No. display"), QueryProgramNumber), 2, 1);
    put(commandButton("RPOS", "?POS", QT_TR_NOOP("Present position display"), QueryPositions), 2,
        2);
    put(commandButton("RORG", "?ORG", QT_TR_NOOP("Return-to-origin complete check"), QueryOrigin),
        2, 3);
    put(commandButton("INITC", "INIT C", QT_TR_NOOP("Specified counter initialize"), InitCounter),
        3, 0);
    put(fieldEdit(DirectField::CounterToClear, "INITCTX", 2, "0"), 3, 1);
    put(commandButton("RC", "?C", QT_TR_NOOP("Specified counter value acquire"), QueryCounter), 3,
        2);
    put(fieldEdit(DirectField::CounterToRead, "RCTX", 2, "0"), 3, 3);
    const auto label = [](const QString& text) { return new QLabel(text); };
    put(commandButton("GO", "GO", nullptr, GoMove), 4, 0);
    put(label(tr("Step")), 4, 1);
    put(fieldEdit(DirectField::GoStep, "GOTX", 3, "0"), 4, 2);
    put(label(tr("Position")), 4, 3);
    put(fieldEdit(DirectField::GoPoint, "GOTX2", 0, "1"), 4, 4);
    put(commandButton("PALGO", "PALGO", nullptr, PalletGoMove), 5, 0);
    put(label(tr("PAL NO.")), 5, 1);
    put(fieldEdit(DirectField::PalletNumber, "Edit1", 3, "0"), 5, 2);
    put(label(tr("Position")), 5, 3);
    put(fieldEdit(DirectField::PalletPoint, "Edit2", 0, "1"), 5, 4);
    // Shown by the service layout only.
    controls_["REL"]->hide();
    controls_["MOMCH"]->hide();
    return group;
}

QWidget* DirectScreen::buildTeach() {
    jogs_ = new JogControls(
        "GroupBox2",
        [this](JogAxis axis) {
            Fiber::start([this, axis] { JogPress(*session_, axis, DirectJogStyle(axis)); });
        },
        [this](JogAxis axis) { Fiber::start([this, axis] { JogActivate(*session_, axis); }); },
        [this] { Fiber::start([this] { JogRelease(*session_); }); });
    for (JogButton* b : jogs_->buttons()) controls_[b->objectName().toStdString()] = b;
    return jogs_;
}

QWidget* DirectScreen::buildPosition() {
    positionGroup_ = new QGroupBox(tr("Position, program"));
    positionGroup_->setObjectName("GroupBox3");
    auto* layout = new QVBoxLayout(positionGroup_);
    auto* fields = new QGridLayout;
    const std::pair<DirectField, const char*> positions[] = {{DirectField::XPosition, "Xposi"},
                                                             {DirectField::YPosition, "Yposi"},
                                                             {DirectField::ZPosition, "Zposi"},
                                                             {DirectField::RPosition, "Rposi"},
                                                             {DirectField::Step, "Step"}};
    const char* captions[] = {QT_TR_NOOP("X Position"), QT_TR_NOOP("Y Position"),
                              QT_TR_NOOP("Z Position"), QT_TR_NOOP("R Position"),
                              QT_TR_NOOP("STEP No.")};
    for (int k = 0; k < 5; ++k) {
        fields->addWidget(new QLabel(tr(captions[k])), 0, k);
        QLineEdit* e = fieldEdit(positions[k].first, positions[k].second, 0, "");
        e->setReadOnly(true);
        fields->addWidget(e, 1, k);
    }
    layout->addLayout(fields);
    auto* monitorRow = new QHBoxLayout;
    monitorRow->addWidget(new QLabel(tr("DO/DI monitor")));
    monitorRow->addStretch(1);
    monitorButton_ = commandButton("monistart", QT_TR_NOOP("Start monitor"), nullptr, nullptr);
    connect(monitorButton_, &QPushButton::clicked, this,
            [this] { Fiber::start([this] { MonitorSwitch(*session_); }); });
    monitorRow->addWidget(monitorButton_);
    // The monitor's own hidden buttons and its state box.
    for (const char* name : {"MoniRun", "MoniOrg"}) {
        QPushButton* hidden = commandButton(name, name, nullptr, nullptr);
        hidden->hide();
        monitorRow->addWidget(hidden);
    }
    monitoring_ = new QCheckBox(tr("Monitoring"));
    monitoring_->setObjectName("CheckBox2");
    monitoring_->hide();
    monitorRow->addWidget(monitoring_);
    layout->addLayout(monitorRow);
    auto* io = new QGridLayout;
    io->setSpacing(2);
    for (int n = 0; n < 16; ++n) {
        auto* out = new DirectPanel(QString("DO%1").arg(n), OutputCaption(n), OutputHint(n),
                                    DirectPanel::kUnknown, false);
        out->makeLamp();
        io->addWidget(out, n / 8, n % 8);
        controls_[out->objectName().toStdString()] = out;
        outputs_[n] = out;
        connect(out, &QPushButton::clicked, this,
                [this, n] { Fiber::start([this, n] { SwitchOutput(*session_, n); }); });
        const QString in = n == 15 ? "START" : QString("DI %1").arg(n);
        auto* input = new DirectPanel(QString("DI%1").arg(n), in,
                                      n == 15 ? tr("START signal state") : tr("%1 state").arg(in),
                                      DirectPanel::kUnknown, false);
        input->makeLamp();
        io->addWidget(input, 2 + n / 8, n % 8);
        controls_[input->objectName().toStdString()] = input;
        inputs_[n] = input;
    }
    layout->addLayout(io);
    return positionGroup_;
}

QWidget* DirectScreen::buildPanels() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* stop = new DirectPanel("STOP", "STOP", tr("Stop command"), DirectPanel::kStop, true);
    auto* mstop =
        new DirectPanel("MSTOP", "MSTOP", tr("Motor free"), DirectPanel::kMotorStop, true);
    auto* cancel = new DirectPanel("CancelButton", tr("Cancel"), tr("Communication cancel"),
                                   DirectPanel::kCancel, true);
    for (DirectPanel* p : {stop, mstop, cancel}) {
        p->setMinimumHeight(44);
        QFont f = p->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 3);
        p->setFont(f);
        row->addWidget(p);
        controls_[p->objectName().toStdString()] = p;
    }
    connect(stop, &QPushButton::clicked, this,
            [this] { Fiber::start([this] { StopPanel(*session_); }); });
    BindStopKey(this, stop);
    connect(mstop, &QPushButton::clicked, this,
            [this] { Fiber::start([this] { MotorStopPanel(*session_); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelPanel(*session_); });
    return box;
}

// Each run's cycle is shown as it is timed; "Reset" starts the statistics afresh.
QWidget* DirectScreen::buildCycleTime() {
    cycleTime_ = new CycleTimePanel;
    session_->cycleTimed = [this](std::int64_t) { cycleTime_->showTiming(session_->cycleTiming); };
    connect(cycleTime_, &CycleTimePanel::resetClicked, this, [this] {
        session_->cycleTiming.reset();
        cycleTime_->showTiming(session_->cycleTiming);
    });
    connect(cycleTime_, &CycleTimePanel::saveStepsClicked, this, &DirectScreen::saveStepTimes);
    connect(cycleTime_, &CycleTimePanel::historyClicked, this,
            [this] { navigator_.show(Navigator::Window::History); });
    return cycleTime_;
}

}  // namespace mivo
