#pragma once
// Treadoff: the step chooser for offset teaching. For now the window frame with its caption.
#include "shell/placeholder_screen.h"

namespace mivo {

class Treadoff : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Treadoff(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
