#include "app/screen_set.h"

#include "direct/tdirect.h"
#include "link/tbuff.h"
#include "offsets/toffset.h"
#include "pallets/tpalet.h"
#include "parameters/tinit.h"
#include "parameters/tparameter.h"
#include "print/tprint.h"
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
#include "steps/tcommand.h"
#include "steps/tmmain.h"
#include "teach/treadoff.h"
#include "teach/tteach.h"

namespace mivo {

template <class T>
T* ScreenSet::make() {
    auto window = std::make_unique<T>(screens_);
    T* raw = window.get();
    order_.push_back(raw);
    windows_.push_back(std::move(window));
    return raw;
}

ScreenSet::ScreenSet(Screens& screens, Prompter* prompter)
    : screens_(screens),
      flags_(std::make_unique<ModifiedFlags>()),
      transfer_(std::make_unique<TransferDialogs>(screens)),
      link_(std::make_unique<TBuff>()) {
    if (!prompter) {
        ownPrompter_ = std::make_unique<MessagePrompter>(screens);
        prompter = ownPrompter_.get();
    }
    screens_ = Screens{};
    screens_.flags = flags_.get();
    screens_.prompter = prompter;
    screens_.transfer = transfer_.get();
    // The link is no window; it exists before the screens because every line switch and
    // the step editor follow its state from their construction on.
    screens_.tbuff = link_.get();

    screens_.tselect = make<Tselect>();
    screens_.tteach = make<Tteach>();
    screens_.tmmain = make<Tmmain>();
    screens_.tparameter = make<Tparameter>();
    screens_.tver = make<TVer>();
    screens_.terror = make<Terror>();
    screens_.tcom = make<Tcom>();
    screens_.tdirect = make<Tdirect>();
    screens_.tpalet = make<Tpalet>();
    screens_.tcall = make<Tcall>();
    screens_.tcommand = make<Tcommand>();
    screens_.tinit = make<Tinit>();
    screens_.terr = make<Terr>();
    // TBuff's place in the order: from here on it reports to the user and reads the COM choice.
    link_->setPrompter(prompter);
    Tcom* com = screens_.tcom;
    link_->setPortNumberSource([com] { return com->itemIndex() + 1; });
    screens_.tcancel = make<TCancel>();
    screens_.toffset = make<Toffset>();
    screens_.tprint = make<Tprint>();
    screens_.treadoff = make<Treadoff>();
}

ScreenSet::~ScreenSet() {
    // No screen may reach another one that is already gone.
    screens_ = Screens{};
    while (!windows_.empty()) windows_.pop_back();
    link_.reset();
}

std::unique_ptr<ScreenSet> createScreens(Screens& screens, Prompter* prompter) {
    return std::make_unique<ScreenSet>(screens, prompter);
}

}  // namespace mivo
