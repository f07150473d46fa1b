#include "offsets/toffset.h"

#include <QToolBar>

#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Toffset::Toffset(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Toffset", "MIVO Editor [Offset]", parent) {
    toolBar()->addWidget(new LineSwitch(*screens.tbuff, LineSwitch::Main, this));
}

}  // namespace mivo
