#pragma once
// The direct-operation screen's line switch `linemonitor`: shows and toggles the link's direct
// channel ("Online" in red, "Offline" in the window-text colour).
#include <QPushButton>

namespace mivo {

class TBuff;

class DirectLineSwitch : public QPushButton {
    Q_OBJECT
  public:
    explicit DirectLineSwitch(TBuff& link, QWidget* parent = nullptr);
    bool isOnlineShown() const { return text() == "Online"; }

  private:
    void showState(bool online);
    void toggle();
    TBuff& link_;
};

}  // namespace mivo
