#pragma once
// Tpalet: the pallet editor. For now the window frame with its caption and its line switch.
#include "shell/placeholder_screen.h"

namespace mivo {

class Tpalet : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tpalet(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
