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
    std::unique_ptr<MessagePrompter> messages;
    std::unique_ptr<TransferDialogs> transfer;
    std::vector<std::unique_ptr<QWidget>> screens;
};

ScreenSet::~ScreenSet() {
    // Screens go first, the last made first.
    if (!owned_) return;
    while (!owned_->screens.empty()) owned_->screens.pop_back();
}

std::unique_ptr<ScreenSet> createScreens(Screens& screens, Prompter* prompter) {
    std::unique_ptr<ScreenSet> set(new ScreenSet);
    set->owned_ = std::make_unique<ScreenSet::Owned>();
    ScreenSet::Owned& o = *set->owned_;

    // The link, the flags and the message boxes come first: the screens bind to them as they
    // are made (line switches, savers). TBuff keeps its place in the order below.
    screens = Screens{};
    screens.flags = &o.flags;
    screens.tbuff = &o.link;
    if (!prompter) {
        o.messages = std::make_unique<MessagePrompter>(screens);
        prompter = o.messages.get();
    }
    screens.prompter = prompter;
    RouteLinkMessages(o.link, [prompter](const std::string& text, const std::string& caption,
                                         const std::string& detail) {
        prompter->notifyDetail(text, caption, detail);
    });
    o.transfer = std::make_unique<TransferDialogs>(screens);
    screens.transfer = o.transfer.get();

    auto make = [&](auto* screen) {
        o.screens.emplace_back(screen);
        set->order_.push_back(screen->objectName().toStdString());
        return screen;
    };
    screens.tselect = make(new Tselect(screens));
    Tteach* teach = make(new Tteach(screens));
    screens.tteach = teach;
    screens.teach = teach;
    Tmmain* steps = make(new Tmmain(screens));
    screens.tmmain = steps;
    Tparameter* parameters = make(new Tparameter(screens));
    screens.tparameter = parameters;
    steps->setParameters(parameters);
    screens.tver = make(new TVer(screens));
    screens.terror = make(new Terror(screens));
    screens.tcom = make(new Tcom(screens));
    // Each screen gets the data it uses from their owners, by name.
    screens.tdirect = make(new Tdirect(screens, *steps, *parameters));
    Tpalet* pallet = make(new Tpalet(screens));
    screens.tpalet = pallet;
    // The step editor's path preview draws a pallet move with the pallet editor's pallet.
    steps->setPalletSource([pallet] {
        const PalletData& d = pallet->data();
        return PalletGridOf(d.number, {d.fields.begin(), d.fields.end()});
    });
    screens.tcall = make(new Tcall(screens));
    screens.tcommand = make(new Tcommand(screens));
    screens.tinit = make(new Tinit(screens));
    screens.terr = make(new Terr(screens));
    set->order_.push_back("TBuff");
    screens.tcancel = make(new TCancel(screens));
    // A cancel request ends with the channel it was made on.
    QObject::connect(&o.link, &TBuff::channelClosed, screens.tcancel,
                     [transfer = o.transfer.get()] { transfer->setCancelRequested(false); });
    Toffset* offsets = make(new Toffset(screens));
    screens.toffset = offsets;
    Tprint* print = make(new Tprint(screens, {steps, parameters, pallet, offsets}));
    screens.tprint = print;
    screens.print = print;
    auto* chooser = make(new Treadoff(screens, *teach));
    screens.treadoff = chooser;
    teach->setChooser(chooser);
    // Outside the eighteen: it only listens to the link.
    screens.commlog = new CommunicationLog(o.link);
    o.screens.emplace_back(screens.commlog);

    // Every window opens wholly on its screen, however large the screen's scale makes it.
    FitWindowsOnScreen();
    Tcom* com = screens.tcom;
    o.link.setPortSource([com] { return com->portChoice(); });
    screens.tselect->show();
    return set;
}

}  // namespace mivo
