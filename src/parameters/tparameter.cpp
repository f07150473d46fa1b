#include "parameters/tparameter.h"

#include <QToolBar>

#include "shell/line_switch.h"
#include "shell/screens.h"

namespace mivo {

Tparameter::Tparameter(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tparameter", "MIVO Editor [Parameter]", parent) {
    toolBar()->addWidget(new LineSwitch(*screens.tbuff, LineSwitch::Main, this));
}

}  // namespace mivo
