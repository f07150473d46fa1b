#include "direct/jog_button.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWindowStateChangeEvent>

#include "direct/direct_controls.h"

namespace mivo {

JogButton::JogButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
    connect(this, &QAbstractButton::released, this, &JogButton::endHold);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) endHold();
            });
}

void JogButton::beginHold() {
    held_ = true;
    watchedWindow_ = window();
    if (watchedWindow_ && watchedWindow_ != this) watchedWindow_->installEventFilter(this);
}

void JogButton::endHold() {
    if (!held_) return;
    held_ = false;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = nullptr;
    emit holdEnded();
}

// A held key repeats as pairs of a release and a press. The window system marks them as
// repeats, but on X11 not always: a pair that comes faster than Qt reads it is unmarked, its
// press following its release at once with the same time stamp. So an unmarked release waits
// for what the window system has sent already before it counts.
bool JogButton::isKeyRepeat(QKeyEvent* key) {
    if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Select) return false;
    if (key->type() == QEvent::KeyPress) {
        if (!keyDown_) {
            keyDown_ = !key->isAutoRepeat();
            return false;
        }
        repeatPressed_ = key->timestamp();
        return true;
    }
    if (!keyDown_) return false;
    if (key->isAutoRepeat()) return true;
    repeatPressed_.reset();
    QGuiApplication::sync();  // a repeat's press comes in here
    if (keyDown_ && repeatPressed_ == key->timestamp()) return true;
    keyDown_ = false;
    return false;
}

bool JogButton::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
        isKeyRepeat(static_cast<QKeyEvent*>(event)))
        return true;
    if (type == QEvent::FocusOut || type == QEvent::Hide) keyDown_ = false;
    // The stop goes out before the button repaints: the robot moves meanwhile.
    if (type == QEvent::MouseButtonRelease) endHold();  // outside it too
    const bool handled = QPushButton::event(event);
    switch (type) {
        case QEvent::FocusOut:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
        case QEvent::UngrabMouse:
            endHold();
            break;
        default:
            break;
    }
    return handled;
}

bool JogButton::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            endHold();
            break;
        case QEvent::WindowStateChange:
            if (watchedWindow_ && watchedWindow_->isMinimized()) endHold();
            break;
        default:
            break;
    }
    return QPushButton::eventFilter(watched, event);
}

JogControls::JogControls(const char* objectName, std::function<void(JogAxis)> press,
                         std::function<void(JogAxis)> activate, std::function<void()> release,
                         QWidget* parent)
    : QGroupBox(tr("Teach command"), parent) {
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    static const char* const kCaptions[] = {"X+", "X-", "Y+", "Y-", "Z+", "Z-", "R+", "R-"};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* b = new JogButton(kJogButtons[i], kCaptions[i]);
        b->setToolTip(tr("Teach move : %1").arg(kCaptions[i]));
        buttons_[i] = b;
        const JogAxis axis = *JogAxisNamed(kCaptions[i]);
        connect(b, &QPushButton::pressed, this, [this, b, axis, press] {
            if (mode() == 1) return;
            b->beginHold();
            press(axis);
        });
        connect(b, &JogButton::holdEnded, this, [release] { release(); });
        connect(b, &QPushButton::clicked, this, [this, axis, activate] {
            if (mode() == 1) activate(axis);
        });
        grid->addWidget(b, static_cast<int>(i % 2), static_cast<int>(i / 2));
    }
    const char* captions[] = {QT_TR_NOOP("1(Quantitative movement)"),
                              QT_TR_NOOP("2(Slow movement)"), QT_TR_NOOP("3(Fast movement)")};
    auto* modeBox = new QHBoxLayout;
    for (std::size_t m = 0; m < modes_.size(); ++m) {
        auto* r = new QRadioButton(tr(captions[m]));
        r->setObjectName(QString("RadioButton%1").arg(m + 1));
        r->setChecked(m == 0);
        modes_[m] = r;
        modeBox->addWidget(r);
    }
    grid->addLayout(modeBox, 2, 0, 1, 4);
}

int JogControls::mode() const {
    for (std::size_t m = 0; m < modes_.size(); ++m)
        if (modes_[m]->isChecked()) return static_cast<int>(m) + 1;
    return 1;
}

void JogControls::chooseMode(int mode) {
    modes_[static_cast<std::size_t>(mode - 1)]->setChecked(true);
}

bool JogControls::anyHeld() const {
    for (const JogButton* b : buttons_)
        if (b->held()) return true;
    return false;
}

void JogControls::endHolds() {
    for (JogButton* b : buttons_) b->endHold();
}

}  // namespace mivo
