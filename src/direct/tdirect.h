#pragma once
// Tdirect: the direct-operation screen. For now the window frame with its caption and its line
// switch on the direct channel.
#include "shell/placeholder_screen.h"

namespace mivo {

class Tdirect : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tdirect(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
