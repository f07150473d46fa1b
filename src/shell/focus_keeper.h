#pragma once
// Controls disabled while a command runs, the focus kept: on a control being disabled it waits on
// a resting widget that stays enabled (rather than walking from control to control as each is
// disabled, which a screen reader would say, and ending wherever the walk stopped), and goes back
// to that control once it is enabled again, unless the user moved it meanwhile.
#include <QPointer>
#include <QWidget>
#include <vector>

namespace mivo {

class FocusKeeper {
  public:
    explicit FocusKeeper(QWidget* resting = nullptr) : resting_(resting) {}
    void setResting(QWidget* resting) { resting_ = resting; }
    void setEnabled(const std::vector<QWidget*>& widgets, bool on);

  private:
    QWidget* resting_;
    QPointer<QWidget> before_;
};

}  // namespace mivo
