#include "direct/jog_button.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindowStateChangeEvent>

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

bool JogButton::event(QEvent* event) {
    // The stop goes out before the button repaints: the robot moves meanwhile.
    if (event->type() == QEvent::MouseButtonRelease) endHold();  // outside it too
    const bool handled = QPushButton::event(event);
    switch (event->type()) {
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

}  // namespace mivo
