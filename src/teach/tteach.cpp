#include "teach/tteach.h"

namespace mivo {

Tteach::Tteach(Screens& screens, QWidget* parent)
    : PlaceholderScreen(screens, "Tteach", "MIVO Editor [Teach]", parent) {}

}  // namespace mivo
