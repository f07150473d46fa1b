#pragma once
// Toffset: the offset editor. For now the window frame with its caption and its line switch.
#include "shell/placeholder_screen.h"

namespace mivo {

class LineSwitch;
class Toffset : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Toffset(Screens& screens, QWidget* parent = nullptr);

    LineSwitch* lineSwitch() const { return lineSwitch_; }

  private:
    LineSwitch* lineSwitch_ = nullptr;
};

}  // namespace mivo
