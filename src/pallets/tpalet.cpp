#include "pallets/tpalet.h"

#include <QToolBar>

#include "link/tbuff.h"
#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tpalet::Tpalet(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tpalet", "MIVO Editor [Pallet]", parent) {
    lineSwitch_ = new LineSwitch(*screens.tbuff, this);
    toolBar()->addWidget(lineSwitch_);
}

}  // namespace mivo
