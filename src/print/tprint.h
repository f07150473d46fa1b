#pragma once
// Tprint: the print dialog. For now the window frame with its caption.
#include "shell/placeholder_screen.h"

namespace mivo {

class Tprint : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tprint(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
