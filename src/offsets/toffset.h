#pragma once
// Toffset: the offset editor. For now the window frame with its caption and its line switch.
#include "shell/placeholder_screen.h"

namespace mivo {

class Toffset : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Toffset(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
