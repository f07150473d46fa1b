#include "parameters/tparameter.h"

#include <QToolBar>

#include "link/tbuff.h"
#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tparameter::Tparameter(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tparameter", "MIVO Editor [Parameter]", parent) {
    lineSwitch_ = new LineSwitch(*screens.tbuff, this);
    toolBar()->addWidget(lineSwitch_);
}

}  // namespace mivo
