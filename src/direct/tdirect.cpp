#include "direct/tdirect.h"

#include <QToolBar>

#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tdirect::Tdirect(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tdirect", "MIVO Editor [direct]", parent) {
    toolBar()->addWidget(new LineSwitch(*screens.tbuff, LineSwitch::Direct, this));
}

}  // namespace mivo
