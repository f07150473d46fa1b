#pragma once
// Tpalet: the pallet editor. For now the window frame with its caption and its line switch.
#include "shell/placeholder_screen.h"

namespace mivo {

class LineSwitch;
class Tpalet : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tpalet(Screens& screens, QWidget* parent = nullptr);

    LineSwitch* lineSwitch() const { return lineSwitch_; }

  private:
    LineSwitch* lineSwitch_ = nullptr;
};

}  // namespace mivo
