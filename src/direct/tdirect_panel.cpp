#include "direct/tdirect_panel.h"

#include <QApplication>
#include <QEvent>

namespace mivo {

DirectPanel::DirectPanel(const QString& name, const QString& caption, const QString& hint,
                         const QColor& face, bool faceOnlyWhenEnabled, QWidget* parent)
    : QPushButton(caption, parent), face_(face), faceOnlyWhenEnabled_(faceOnlyWhenEnabled) {
    setObjectName(name);
    setToolTip(hint);
    setFocusPolicy(Qt::NoFocus);
    restyle();
}

void DirectPanel::setFace(const QColor& face) {
    face_ = face;
    restyle();
}

QColor DirectPanel::shownColour() const {
    if (isEnabled() || !faceOnlyWhenEnabled_) return face_;
    // The application's button face: the widget's own palette carries its style sheet's colour.
    return QApplication::palette(this).color(QPalette::Active, QPalette::Button);
}

void DirectPanel::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) restyle();
}

void DirectPanel::restyle() {
    const QPalette system = QApplication::palette(this);
    const QColor text = system.color(QPalette::Active, QPalette::WindowText);
    const QColor grey = system.color(QPalette::Disabled, QPalette::WindowText);
    setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 2px outset "
                          "#808080; padding: 2px; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:disabled { color: %3; }")
                      .arg(shownColour().name(), text.name(), grey.name()));
}

}  // namespace mivo
