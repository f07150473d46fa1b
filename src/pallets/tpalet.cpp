#include "pallets/tpalet.h"

#include <QToolBar>

#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tpalet::Tpalet(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tpalet", "MIVO Editor [Pallet]", parent) {
    toolBar()->addWidget(new LineSwitch(*screens.tbuff, LineSwitch::Main, this));
}

}  // namespace mivo
