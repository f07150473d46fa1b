#pragma once
// Tparameter: the parameter editor. For now the window frame with its caption and its line switch.
#include "shell/placeholder_screen.h"

namespace mivo {

class Tparameter : public PlaceholderScreen {
    Q_OBJECT
  public:
    explicit Tparameter(Screens& screens, QWidget* parent = nullptr);
};

}  // namespace mivo
