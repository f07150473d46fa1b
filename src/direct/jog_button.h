#pragma once
// A jog button that is held: from the press until whatever ends the hold. Besides the mouse or
// space key let go (also outside the button), a hold ends when the button loses the focus, is
// hidden, or its window is hidden, minimised or deactivated, or the application loses the focus:
// a release that never reaches the button must not leave the robot moving.
#include <QPushButton>

namespace mivo {

class JogButton : public QPushButton {
    Q_OBJECT
  public:
    JogButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

    // Called from the press (QAbstractButton::pressed) when it moves until released.
    void beginHold();
    bool held() const { return held_; }
    // Ends the hold now, as a release would (the line is about to go off line).
    void endHold();

  signals:
    // The hold ended: the robot is to stop. Emitted once per hold.
    void holdEnded();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool held_ = false;
    QWidget* watchedWindow_ = nullptr;
};

}  // namespace mivo
