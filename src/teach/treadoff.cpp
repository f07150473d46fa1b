#include "teach/treadoff.h"

namespace mivo {

Treadoff::Treadoff(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Treadoff", "MIVO Editor [read]", parent) {}

}  // namespace mivo
