#pragma once
// A jog button that is held: from the press until whatever ends the hold. Besides the mouse or
// space key let go (also outside the button), a hold ends when the button loses the focus, is
// hidden, or its window is hidden, minimised or deactivated, or the application loses the focus:
// a release that never reaches the button must not leave the robot moving. The space key's
// auto-repeat is no release: only the key's real release is.
#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>

#include "direct/jog.h"

class QKeyEvent;
class QRadioButton;

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
    bool isKeyRepeat(QKeyEvent* key);

    bool held_ = false;
    QWidget* watchedWindow_ = nullptr;
    bool keyDown_ = false;                  // the space key pressed on it, not yet let go
    std::optional<quint64> repeatPressed_;  // the time of a repeat's press seen
};

// The group "Teach command" as the direct-operation and teaching screens show it: the eight jog
// buttons X+ ... R- (named X1 ... R2, hint "Teach move : X+") and the three movement modes, mode
// 1 chosen. Mode 1 moves once per click or space key (`activate`); modes 2 and 3 from the press
// (`press`) until the hold ends (`release`).
class JogControls : public QGroupBox {
    Q_OBJECT
  public:
    JogControls(const char* objectName, std::function<void(JogAxis)> press,
                std::function<void(JogAxis)> activate, std::function<void()> release,
                QWidget* parent = nullptr);

    int mode() const;
    void chooseMode(int mode);
    const std::array<JogButton*, 8>& buttons() const { return buttons_; }
    bool anyHeld() const;
    // Ends every hold (the line is about to go off).
    void endHolds();

  private:
    std::array<JogButton*, 8> buttons_{};
    std::array<QRadioButton*, 3> modes_{};
};

}  // namespace mivo
