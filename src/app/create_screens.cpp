#include "app/create_screens.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "common/prompter.h"
#include "direct/direct_screen.h"
#include "direct/direct_session.h"
#include "history/history_window.h"
#include "history/run_history.h"
#include "link/controller_link.h"
#include "link/link_messages.h"
#include "offsets/offset_editor.h"
#include "pallets/pallet_editor.h"
#include "parameters/init_dialog.h"
#include "parameters/parameter_editor.h"
#include "plant/mqtt_url.h"
#include "plant/run_outlets.h"
#include "print/print_dialog.h"
#include "procedures/run_account.h"
#include "shell/assistive_names.h"
#include "shell/cancel_dialog.h"
#include "shell/communication_log.h"
#include "shell/error_dialog.h"
#include "shell/error_record_dialog.h"
#include "shell/menu_mnemonics.h"
#include "shell/message_prompter.h"
#include "shell/modified_flags.h"
#include "shell/navigator.h"
#include "shell/port_dialog.h"
#include "shell/progress_dialog.h"
#include "shell/settings_dialog.h"
#include "shell/start_screen.h"
#include "shell/transfer_dialogs.h"
#include "shell/version_dialog.h"
#include "shell/window_style.h"
#include "steps/command_dialog.h"
#include "steps/run_trace_window.h"
#include "steps/step_editor.h"
#include "teach/step_chooser.h"
#include "teach/teach_screen.h"

namespace mivo {

// The windows the outlets' threads tell (a message, a run kept); cut off before the windows go,
// as the direct screen's last run may still be told as it ends.
struct OutletWindows {
    std::mutex mutex;
    CommunicationLog* log = nullptr;
    HistoryWindow* history = nullptr;
};

// Declared in creation order; destroyed in reverse, so no screen outlives what it refers to.
struct ScreenSet::Owned {
    ModifiedFlags flags;
    ControllerLink link;
    Navigator navigator;
    std::unique_ptr<MessagePrompter> messages;
    // The screens' own prompters over `messages`.
    std::vector<std::unique_ptr<MessagePrompter>> windowMessages;
    std::unique_ptr<TransferDialogs> transfer;
    // Outlive the screens: the direct screen's session may end a run as it goes.
    std::shared_ptr<OutletWindows> outletWindows = std::make_shared<OutletWindows>();
    std::unique_ptr<RunOutlets> outlets;
    RunAccount editorRuns;  // the editors' "Program execute"
    std::vector<std::unique_ptr<QWidget>> screens;
};

ScreenSet::~ScreenSet() {
    // Screens go first, the last made first.
    if (!owned_) return;
    // An editor's "Program execute" under way ends with this program, described while the
    // screens that describe it are here.
    owned_->editorRuns.ended(RunResult::HostEnded);
    owned_->editorRuns.describe = nullptr;
    {
        const std::lock_guard lock(owned_->outletWindows->mutex);
        owned_->outletWindows->log = nullptr;
        owned_->outletWindows->history = nullptr;
    }
    while (!owned_->screens.empty()) owned_->screens.pop_back();
}

std::vector<EditorFrame*> Editors(const CreatedScreens& screens) {
    std::vector<EditorFrame*> editors{screens.tmmain};
    for (QWidget* w : {screens.tparameter, screens.tpalet, screens.toffset})
        editors.push_back(qobject_cast<EditorFrame*>(w));
    editors.erase(std::remove(editors.begin(), editors.end(), nullptr), editors.end());
    return editors;
}

std::unique_ptr<ScreenSet> createScreens(CreatedScreens& screens, Prompter* prompter) {
    std::unique_ptr<ScreenSet> set(new ScreenSet);
    set->owned_ = std::make_unique<ScreenSet::Owned>();
    ScreenSet::Owned& o = *set->owned_;
    using Window = Navigator::Window;

    // The link, the flags and the message boxes come first: the screens bind to them as they
    // are made (line switches, savers). ControllerLink keeps its place in the order below.
    screens = CreatedScreens{};
    screens.flags = &o.flags;
    screens.tbuff = &o.link;
    screens.navigator = &o.navigator;
    o.transfer = std::make_unique<TransferDialogs>(o.link);
    TransferDialogs& transfer = *o.transfer;
    screens.transfer = &transfer;
    // Cancel during a motion stops the robot on the main channel: "@MSTOP" goes out at once and
    // its reply ends the motion's pending wait.
    transfer.setMotionStop([&link = o.link] { link.mainChannel().interject("@MSTOP"); });
    if (!prompter) {
        o.messages = std::make_unique<MessagePrompter>(transfer);
        prompter = o.messages.get();
    }
    screens.prompter = prompter;
    RouteLinkMessages(o.link, [prompter](const std::string& text, const std::string& caption,
                                         const std::string& detail) {
        prompter->notifyDetail(text, caption, detail);
    });

    // Each screen's boxes belong to it: a prompter of its own over the shared one, told its
    // window as the screen is made (a prompter given serves all).
    MessagePrompter* unbound = nullptr;
    auto own = [&]() -> Prompter& {
        if (!o.messages) return *prompter;
        unbound =
            o.windowMessages.emplace_back(std::make_unique<MessagePrompter>(*o.messages, nullptr))
                .get();
        return *unbound;
    };
    auto make = [&](auto* screen) {
        if (unbound) unbound->setWindow(screen);
        unbound = nullptr;
        o.screens.emplace_back(screen);
        set->order_.push_back(screen->objectName().toStdString());
        return screen;
    };
    Navigator& nav = o.navigator;
    StartScreen* start = make(new StartScreen(nav, o.link, o.flags, own()));
    nav.add(Window::Start, start);
    TeachScreen* teach = make(new TeachScreen(o.link, own(), transfer));
    screens.tselect = start;
    screens.tteach = teach;
    nav.add(Window::Teach, teach);
    auto links = [&] {
        return EditorLinks{&o.link, &o.flags, &own(), &transfer, &nav, teach, &o.editorRuns};
    };
    StepEditor* steps = make(new StepEditor(links()));
    screens.tmmain = steps;
    nav.add(Window::Steps, steps);
    ParameterEditor* parameters = make(new ParameterEditor(links()));
    screens.tparameter = parameters;
    nav.add(Window::Parameters, parameters);
    steps->setParameters(parameters);
    parameters->setServiceLayout(start->serviceLayout());
    QObject::connect(start, &StartScreen::serviceLayoutChanged, parameters,
                     &ParameterEditor::setServiceLayout);
    VersionDialog* versions = screens.tver = make(new VersionDialog);
    ErrorRecordDialog* record = screens.terror = make(new ErrorRecordDialog);
    PortDialog* com = screens.tcom = make(new PortDialog(o.link));
    // Each screen gets the data it uses from their owners, by name.
    DirectScreen* direct =
        make(new DirectScreen(o.link, own(), transfer, nav, *steps, *parameters));
    screens.tdirect = direct;
    nav.add(Window::Direct, direct);
    QObject::connect(start, &StartScreen::serviceLayoutChanged, direct,
                     &DirectScreen::setServiceLayout);
    PalletEditor* pallet = make(new PalletEditor(links()));
    screens.tpalet = pallet;
    nav.add(Window::Pallets, pallet);
    // The step editor's path preview draws a pallet move with the pallet editor's pallet.
    steps->setPalletSource([pallet] {
        const PalletData& d = pallet->data();
        return PalletGridOf(d.number, {d.fields.begin(), d.fields.end()});
    });
    // The direct screen's monitor is traced on the step editor's program, in a window of its own.
    screens.runTrace = steps->runTrace();
    QObject::connect(direct, &DirectScreen::pathPreviewRequested, steps, &StepEditor::showRunTrace);
    QObject::connect(direct, &DirectScreen::monitorScanned, steps, &StepEditor::traceScan);
    ProgressDialog* progress = screens.tcall = make(new ProgressDialog(transfer));
    CommandDialog* command = screens.tcommand = make(new CommandDialog(&own(), nav, teach));
    InitDialog* init = screens.tinit = make(new InitDialog);
    ErrorDialog* error = screens.terr = make(new ErrorDialog(transfer, nav));
    if (o.messages) o.messages->setErrorDialog(error);
    set->order_.push_back("TBuff");
    CancelDialog* cancel = screens.tcancel = make(new CancelDialog(transfer));
    transfer.setDialogs(cancel, progress);
    nav.setCancelDialog(cancel);
    // A cancel request ends with the channel it was made on.
    QObject::connect(&o.link, &ControllerLink::channelClosed, cancel,
                     [&transfer] { transfer.setCancelRequested(false); });
    OffsetEditor* offsets = make(new OffsetEditor(links()));
    screens.toffset = offsets;
    nav.add(Window::Offsets, offsets);
    PrintDialog* print = make(new PrintDialog(own(), {steps, parameters, pallet, offsets}));
    screens.tprint = print;
    auto* chooser = make(new StepChooser(*teach));
    screens.treadoff = chooser;
    teach->setChooser(chooser);
    // Outside the eighteen: it only listens to the link.
    screens.commlog = new CommunicationLog(o.link);
    o.screens.emplace_back(screens.commlog);
    nav.add(Window::Log, screens.commlog);
    // The run history's window, outside the eighteen too. Each run the direct screen ends goes to
    // the history (then the plant's outlets) off the screen's way; the window reads it as kept.
    const std::filesystem::path historyFile =
        RunHistoryFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    Prompter& historyPrompter = own();
    auto* history = new HistoryWindow(historyFile, historyPrompter);
    if (unbound) unbound->setWindow(history);
    unbound = nullptr;
    o.screens.emplace_back(history);
    nav.add(Window::History, history);
    CommunicationLog* log = screens.commlog;
    RunOutletSettings outlets;
    outlets.historyFile = historyFile;
    o.outletWindows->log = log;
    o.outletWindows->history = history;
    o.outlets = std::make_unique<RunOutlets>(
        outlets,
        [windows = o.outletWindows](const std::string& text) {
            const std::lock_guard lock(windows->mutex);
            if (windows->log)
                windows->log->recorderFailed(QString::fromStdString(text),
                                             QT_TRANSLATE_NOOP("Message", "Run history"));
        },
        [windows = o.outletWindows](const RunRecord&) {
            const std::lock_guard lock(windows->mutex);
            if (HistoryWindow* history = windows->history)
                QMetaObject::invokeMethod(
                    history, [history] { history->refresh(); }, Qt::QueuedConnection);
        });
    RunOutlets* runOutlets = o.outlets.get();
    // The direct screen's runs and the editors' "Program execute" go the same way, described
    // alike.
    for (RunAccount* runs : {&direct->session().runs, &o.editorRuns}) {
        runs->began = [runOutlets] { runOutlets->runBegan(); };
        runs->finished = [runOutlets](const RunRecord& r) { runOutlets->runFinished(r); };
    }
    o.editorRuns.describe = direct->session().runs.describe;
    screens.editorRuns = &o.editorRuns;
    // The settings: the command after each run and the broker, handed to the outlets as set.
    auto* settings = new SettingsDialog(
        own(), [](const std::string& broker) { return ParseMqttUrl(broker).problem; });
    if (unbound) unbound->setWindow(settings);
    unbound = nullptr;
    o.screens.emplace_back(settings);
    nav.add(Window::Settings, settings);
    screens.settings = settings;
    settings->applied = [runOutlets, log](const PlantChoice& plant) {
        std::optional<MqttUrl> broker;
        if (!plant.broker.empty()) {
            const MqttUrlRead read = ParseMqttUrl(plant.broker);
            if (read.problem.empty())
                broker = read.url;
            else
                log->recorderFailed(QString::fromStdString(read.problem),
                                    QT_TRANSLATE_NOOP("Message", "Plant broker"));
        }
        runOutlets->setPlant(plant.afterRun, broker);
    };

    // The dialogs the editors open, made after them.
    steps->setDialogs(command, init, record, versions);
    parameters->setInitDialog(init);
    direct->setInitDialog(init);
    for (EditorFrame* editor :
         std::initializer_list<EditorFrame*>{steps, parameters, pallet, offsets}) {
        editor->setComDialog(com);
        editor->setPrintScreen(print);
    }

    // Every menu's items each reached by a letter of their own.
    for (const std::unique_ptr<QWidget>& screen : o.screens)
        if (auto* window = qobject_cast<QMainWindow*>(screen.get()))
            GiveMnemonics(window->menuBar());
    // Every control named for a screen reader.
    for (QWidget* window : QApplication::topLevelWidgets()) NameControlsForAssistiveTech(window);
    // Every window opens wholly on its screen, however large the screen's scale makes it.
    FitWindowsOnScreen();
    o.link.setPortSource([com] { return com->portChoice(); });
    start->show();
    return set;
}

}  // namespace mivo
