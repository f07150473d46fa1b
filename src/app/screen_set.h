#pragma once
// The program's fixed set of screens, made once in their order and kept until the end.
#include <QWidget>
#include <memory>
#include <vector>

#include "shell/screens.h"

namespace mivo {

class ModifiedFlags;
class Prompter;
class TBuff;
class TransferDialogs;

// Owns the screens, the link and the shared flags; destroys them in reverse order.
class ScreenSet {
  public:
    ScreenSet(Screens& screens, Prompter* prompter);
    ~ScreenSet();
    ScreenSet(const ScreenSet&) = delete;
    ScreenSet& operator=(const ScreenSet&) = delete;

    // The seventeen windows in the order they were made, the start screen first.
    const std::vector<QWidget*>& windows() const { return order_; }

  private:
    template <class T>
    T* make();

    Screens& screens_;
    std::unique_ptr<ModifiedFlags> flags_;
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<TransferDialogs> transfer_;
    std::unique_ptr<TBuff> link_;
    std::vector<std::unique_ptr<QWidget>> windows_;
    std::vector<QWidget*> order_;
};

// Creates the screens into `screens` (which must outlive the set). Messages go to `prompter`,
// or to message boxes when it is nullptr. Nothing is shown.
std::unique_ptr<ScreenSet> createScreens(Screens& screens, Prompter* prompter = nullptr);

}  // namespace mivo
