#pragma once
// The program's fixed set of screens: created once, in the order the program has always
// made them, the start screen first and the only one shown.
#include <memory>
#include <string>
#include <vector>

#include "shell/screens.h"

namespace mivo {

class ScreenSet;

// Fills `screens` with the eighteen screens, the link, the modified flags and the transfer
// dialogs. `prompter` answers the message boxes (tests); nullptr gives the real message boxes.
// The returned set owns everything and must outlive the use of `screens`.
std::unique_ptr<ScreenSet> createScreens(Screens& screens, Prompter* prompter = nullptr);

class ScreenSet {
  public:
    ~ScreenSet();
    // Object names in the order the screens were made.
    const std::vector<std::string>& creationOrder() const { return order_; }

  private:
    friend std::unique_ptr<ScreenSet> createScreens(Screens&, Prompter*);
    ScreenSet() = default;
    struct Owned;
    std::unique_ptr<Owned> owned_;
    std::vector<std::string> order_;
};

}  // namespace mivo
