#pragma once
// The line switch `linemonitor` of the editors and the direct-operation screen: shows one
// channel's on-line state ("Online" in red, "Offline" in the window-text colour) and toggles it
// when pressed.
#include <QPushButton>

namespace mivo {

class ControllerLink;

class LineSwitch : public QPushButton {
    Q_OBJECT
  public:
    // The editors show the main channel, the direct-operation screen the direct channel.
    enum Side { Main, Direct };

    LineSwitch(ControllerLink& link, Side side, QWidget* parent = nullptr);
    bool isOnlineShown() const;

  private:
    bool linkOnline() const;
    void showState(bool online);
    void toggle();
    ControllerLink& link_;
    Side side_;
    bool onlineShown_ = false;  // the caption says "Online" (in the user's language)
};

}  // namespace mivo
