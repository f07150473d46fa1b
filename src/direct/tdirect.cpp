#include "direct/tdirect.h"

#include <QToolBar>

#include "direct/direct_line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tdirect::Tdirect(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tdirect", "MIVO Editor [direct]", parent) {
    lineSwitch_ = new DirectLineSwitch(*screens.tbuff, this);
    toolBar()->addWidget(lineSwitch_);
}

}  // namespace mivo
