#pragma once
// Tteach: the teaching screen. For now the window frame with its caption.
#include "shell/placeholder_screen.h"

namespace mivo {

class Tteach : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tteach(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
