#include "print/tprint.h"

namespace mivo {

Tprint::Tprint(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tprint", "MIVO Editor [Print]", parent) {}

}  // namespace mivo
