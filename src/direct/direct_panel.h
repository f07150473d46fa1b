#pragma once
// A panel used as a button on the direct-operation screen: a flat face in its colour with its
// caption. The STOP, MSTOP and cancel panels show the button-face colour while disabled; the
// output and input panels keep the colour of their state.
#include <QColor>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "direct/direct_view.h"

namespace mivo {

class DirectPanel : public QPushButton {
    Q_OBJECT
  public:
    DirectPanel(const QString& name, const QString& caption, const QString& hint,
                const QColor& face, bool faceOnlyWhenEnabled, QWidget* parent = nullptr);

    // The output and input panels' faces: aqua for off, red for on, and the plain button face
    // (no colour) for a state not read.
    static inline const QColor kOff{0x00, 0xFF, 0xFF};
    static inline const QColor kOn{0xFF, 0x00, 0x00};
    static inline const QColor kUnknown{};
    // STOP (yellow), MSTOP (red) and the communication-cancel panel (green).
    static inline const QColor kStop{0xFF, 0xFF, 0x00};
    static inline const QColor kMotorStop{0xFF, 0x00, 0x00};
    static inline const QColor kCancel{0x00, 0x80, 0x00};

    void setFace(const QColor& face);
    QColor face() const { return face_; }
    // A state not current (the monitor could not read it) shows its face faded.
    void setCurrent(bool current);
    bool current() const { return current_; }
    // The colour shown now.
    QColor shownColour() const;
    // An output or input lamp: its state is told in a mark beside its caption (a filled dot on,
    // a hollow one off, none while not read) and in its accessible description, not in its
    // colour alone.
    void makeLamp();
    // The lamp's state in words, as its accessible description ends: "On", "Off", "Not read",
    // with ", not current" while faded.
    QString stateWords() const;
    // The caption as painted: a lamp's with its mark.
    QString shownText() const;
    // Its caption with a small margin: panels sit close together.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describeState();

    QColor face_;
    QString hint_;
    bool lamp_ = false;
    bool faceOnlyWhenEnabled_;
    bool current_ = true;
};

// Where the last stop stands, beside the direct-operation and teaching screens' controls
// (`StopState`): "Stopping…", "Stopped", and while the controller confirmed no stop a red text and
// a message that stays above the window until it is closed, brought back in front of any
// message that comes after it. Not modal: STOP and MSTOP stay within reach.
class StopStateMark : public QLabel {
    Q_OBJECT
  public:
    explicit StopStateMark(QWidget* parent = nullptr);
    void showState(StopState state);
    // The message shown last, while it is open.
    QMessageBox* message() const { return message_; }

  protected:
    // A window shown while the message is open (the monitor's end, a communication error):
    // the message is raised above it again.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QMessageBox> message_;
    bool unconfirmedLook_ = false;
};

}  // namespace mivo
