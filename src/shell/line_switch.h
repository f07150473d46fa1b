#pragma once
// The line switch `linemonitor` of an editor: shows the main channel's one on-line state
// ("Online" in red, "Offline" in the window-text colour) and toggles it when pressed.
#include <QPushButton>

namespace mivo {

class TBuff;

class LineSwitch : public QPushButton {
    Q_OBJECT
public:
    LineSwitch(TBuff& link, QWidget* parent = nullptr);
    bool isOnlineShown() const;

private:
    void show(bool online);
    void toggle();
    TBuff& link_;
};

}  // namespace mivo
