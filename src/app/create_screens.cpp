#include "app/create_screens.h"

#include "common/prompter.h"
#include "direct/tdirect.h"
#include "link/link_messages.h"
#include "link/tbuff.h"
#include "offsets/toffset.h"
#include "pallets/tpalet.h"
#include "parameters/tinit.h"
#include "parameters/tparameter.h"
#include "print/tprint.h"
#include "shell/communication_log.h"
#include "shell/message_prompter.h"
#include "shell/modified_flags.h"
#include "shell/navigator.h"
#include "shell/tcall.h"
#include "shell/tcancel.h"
#include "shell/tcom.h"
#include "shell/terr.h"
#include "shell/terror.h"
#include "shell/transfer_dialogs.h"
#include "shell/tselect.h"
#include "shell/tver.h"
#include "shell/window_style.h"
#include "steps/tcommand.h"
#include "steps/tmmain.h"
#include "teach/treadoff.h"
#include "teach/tteach.h"

namespace mivo {

// Declared in creation order; destroyed in reverse, so no screen outlives what it refers to.
struct ScreenSet::Owned {
    ModifiedFlags flags;
    TBuff link;
    Navigator navigator;
    std::unique_ptr<MessagePrompter> messages;
    std::unique_ptr<TransferDialogs> transfer;
    std::vector<std::unique_ptr<QWidget>> screens;
};

ScreenSet::~ScreenSet() {
    // Screens go first, the last made first.
    if (!owned_) return;
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
    // are made (line switches, savers). TBuff keeps its place in the order below.
    screens = CreatedScreens{};
    screens.flags = &o.flags;
    screens.tbuff = &o.link;
    screens.navigator = &o.navigator;
    o.transfer = std::make_unique<TransferDialogs>(o.link);
    TransferDialogs& transfer = *o.transfer;
    screens.transfer = &transfer;
    // Cancel during a motion stops the robot on the main channel; the reply to "@MSTOP" ends
    // the motion's pending wait.
    transfer.setMotionStop([&link = o.link] { link.mainChannel().request("@MSTOP"); });
    if (!prompter) {
        o.messages = std::make_unique<MessagePrompter>(transfer);
        prompter = o.messages.get();
    }
    screens.prompter = prompter;
    RouteLinkMessages(o.link, [prompter](const std::string& text, const std::string& caption,
                                         const std::string& detail) {
        prompter->notifyDetail(text, caption, detail);
    });

    auto make = [&](auto* screen) {
        o.screens.emplace_back(screen);
        set->order_.push_back(screen->objectName().toStdString());
        return screen;
    };
    Navigator& nav = o.navigator;
    Tselect* start = make(new Tselect(nav, o.link, o.flags, *prompter));
    nav.add(Window::Start, start);
    Tteach* teach = make(new Tteach(o.link, *prompter, transfer));
    screens.tselect = start;
    screens.tteach = teach;
    nav.add(Window::Teach, teach);
    const EditorLinks links{&o.link, &o.flags, prompter, &transfer, &nav, teach};
    Tmmain* steps = make(new Tmmain(links));
    screens.tmmain = steps;
    nav.add(Window::Steps, steps);
    Tparameter* parameters = make(new Tparameter(links));
    screens.tparameter = parameters;
    nav.add(Window::Parameters, parameters);
    steps->setParameters(parameters);
    parameters->setServiceLayout(start->serviceLayout());
    QObject::connect(start, &Tselect::serviceLayoutChanged, parameters,
                     &Tparameter::setServiceLayout);
    TVer* versions = screens.tver = make(new TVer);
    Terror* record = screens.terror = make(new Terror);
    Tcom* com = screens.tcom = make(new Tcom(o.link));
    // Each screen gets the data it uses from their owners, by name.
    Tdirect* direct = make(new Tdirect(o.link, *prompter, transfer, nav, *steps, *parameters));
    screens.tdirect = direct;
    nav.add(Window::Direct, direct);
    QObject::connect(start, &Tselect::serviceLayoutChanged, direct, &Tdirect::setServiceLayout);
    Tpalet* pallet = make(new Tpalet(links));
    screens.tpalet = pallet;
    nav.add(Window::Pallets, pallet);
    // The step editor's path preview draws a pallet move with the pallet editor's pallet.
    steps->setPalletSource([pallet] {
        const PalletData& d = pallet->data();
        return PalletGridOf(d.number, {d.fields.begin(), d.fields.end()});
    });
    Tcall* progress = screens.tcall = make(new Tcall(transfer));
    Tcommand* command = screens.tcommand = make(new Tcommand(prompter, nav, teach));
    Tinit* init = screens.tinit = make(new Tinit);
    Terr* error = screens.terr = make(new Terr(transfer, nav));
    if (o.messages) o.messages->setErrorDialog(error);
    set->order_.push_back("TBuff");
    TCancel* cancel = screens.tcancel = make(new TCancel(transfer));
    transfer.setDialogs(cancel, progress);
    nav.setCancelDialog(cancel);
    // A cancel request ends with the channel it was made on.
    QObject::connect(&o.link, &TBuff::channelClosed, cancel,
                     [&transfer] { transfer.setCancelRequested(false); });
    Toffset* offsets = make(new Toffset(links));
    screens.toffset = offsets;
    nav.add(Window::Offsets, offsets);
    Tprint* print = make(new Tprint(*prompter, {steps, parameters, pallet, offsets}));
    screens.tprint = print;
    auto* chooser = make(new Treadoff(*teach));
    screens.treadoff = chooser;
    teach->setChooser(chooser);
    // Outside the eighteen: it only listens to the link.
    screens.commlog = new CommunicationLog(o.link);
    o.screens.emplace_back(screens.commlog);
    nav.add(Window::Log, screens.commlog);

    // The dialogs the editors open, made after them.
    steps->setDialogs(command, init, record, versions);
    parameters->setInitDialog(init);
    direct->setInitDialog(init);
    for (EditorFrame* editor :
         std::initializer_list<EditorFrame*>{steps, parameters, pallet, offsets}) {
        editor->setComDialog(com);
        editor->setPrintScreen(print);
    }

    // Every window opens wholly on its screen, however large the screen's scale makes it.
    FitWindowsOnScreen();
    o.link.setPortSource([com] { return com->portChoice(); });
    start->show();
    return set;
}

}  // namespace mivo
