#include "offsets/toffset.h"

#include <QToolBar>

#include "link/tbuff.h"
#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Toffset::Toffset(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Toffset", "MIVO Editor [Offset]", parent) {
    lineSwitch_ = new LineSwitch(*screens.tbuff, this);
    toolBar()->addWidget(lineSwitch_);
}

}  // namespace mivo
