#include "direct/direct_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTimer>

#include "direct/direct_session.h"
#include "i18n/translated_texts.h"
#include "shell/window_style.h"

namespace mivo {

DirectPanel::DirectPanel(const QString& name, const QString& caption, const QString& hint,
                         const QColor& face, bool faceOnlyWhenEnabled, QWidget* parent)
    : QPushButton(caption, parent),
      face_(face),
      hint_(hint),
      faceOnlyWhenEnabled_(faceOnlyWhenEnabled) {
    setObjectName(name);
    setToolTip(hint);
    setFocusPolicy(Qt::NoFocus);
}

void DirectPanel::setFace(const QColor& face) {
    // The monitor tells every lamp on every scan: only a change is painted.
    if (face == face_) return;
    face_ = face;
    if (lamp_) describeState();
    update();
}

void DirectPanel::setCurrent(bool current) {
    if (current == current_) return;
    current_ = current;
    if (lamp_) describeState();
    update();
}

void DirectPanel::makeLamp() {
    lamp_ = true;
    setAccessibleName(text());
    describeState();
    updateGeometry();
}

QString DirectPanel::stateWords() const {
    QString words = face_ == kOn ? tr("On") : face_ == kOff ? tr("Off") : tr("Not read");
    if (!current_ && face_.isValid()) words += tr(", not current");
    return words;
}

void DirectPanel::describeState() {
    // Told to a screen reader as it changes (Qt sends the description's change).
    setAccessibleDescription(hint_ + ": " + stateWords());
}

QString DirectPanel::shownText() const {
    if (!lamp_ || !face_.isValid()) return text();
    return QString(face_ == kOn ? u'\u25CF' : u'\u25CB') + ' ' + text();
}

QColor DirectPanel::shownColour() const {
    const QColor plain = QApplication::palette(this).color(QPalette::Active, QPalette::Button);
    if ((!isEnabled() && faceOnlyWhenEnabled_) || !face_.isValid()) return plain;
    if (current_) return face_;
    // Half way to the plain face: the last state still told, but not as the line's word.
    return QColor((face_.red() + plain.red()) / 2, (face_.green() + plain.green()) / 2,
                  (face_.blue() + plain.blue()) / 2);
}

QSize DirectPanel::sizeHint() const {
    // A lamp keeps room for its mark whatever its state, so that the panels do not move.
    const QFontMetrics m(font());
    const QSize caption = m.size(0, lamp_ ? QString("\u25CF ") + text() : text());
    return {caption.width() + 10, caption.height() + 10};
}

// Painted here rather than by a style sheet: switching a set of panels on and off must cost
// next to nothing, since STOP does it before "@STOP" goes out.
void DirectPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, shownColour());
    // A raised bevel, sunken while pressed.
    const QPalette system = QApplication::palette(this);
    const QColor light = system.color(QPalette::Light);
    const QColor dark = system.color(QPalette::Dark);
    const bool down = isDown();
    p.setPen(down ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(
        system.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignCenter, shownText());
}

namespace {

// The stop's state is a notification to a screen reader: said when it shows and at each change,
// as it comes, wherever the user is (a text label is said only when reached).
class StopStateNotice : public QAccessibleWidget {
  public:
    explicit StopStateNotice(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* StopStateAccessible(const QString&, QObject* object) {
    if (auto* mark = qobject_cast<StopStateMark*>(object)) return new StopStateNotice(mark);
    return nullptr;
}

}  // namespace

StopStateMark::StopStateMark(QWidget* parent) : QLabel(parent) {
    static const bool noticeKnown = (QAccessible::installFactory(StopStateAccessible), true);
    (void)noticeKnown;
    setObjectName("StopState");
    setWordWrap(true);
    hide();
}

void StopStateMark::showState(StopState state) {
    const bool unconfirmed = state == StopState::Unconfirmed;
    switch (state) {
        case StopState::None:
            break;
        case StopState::Stopping:
            setText(tr("Stopping…"));
            break;
        case StopState::Stopped:
            setText(tr("Stopped"));
            break;
        case StopState::Unconfirmed:
            setText(MessageText(kStopUnconfirmedMark));
            break;
    }
    // A style sheet is costly to apply: only when the look changes.
    if (unconfirmed != unconfirmedLook_) {
        unconfirmedLook_ = unconfirmed;
        setToolTip(unconfirmed ? MessageText(kStopUnconfirmed) : QString());
        setStyleSheet(unconfirmed ? "QLabel { color: red; font-weight: bold; }" : "");
    }
    setVisible(state != StopState::None);
    // Hidden and shown anew to a screen reader, which says a notification as it shows (a "shown"
    // alone may be taken for one before it and not said).
    if (state != StopState::None) {
        QAccessibleEvent hidden(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    if (!unconfirmed) return;
    if (message_) message_->close();
    auto* box = new QMessageBox(QMessageBox::Warning, MessageText(kStopUnconfirmedCaption),
                                MessageText(kStopUnconfirmed), QMessageBox::Ok);
    box->setObjectName("StopUnconfirmedMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    message_ = box;
    ShowOver(box, this);
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
}

bool StopStateMark::eventFilter(QObject* watched, QEvent* event) {
    // Only a window shown counts; the message itself is not looked at otherwise (while it is
    // being destroyed its children's events come through here).
    if (event->type() != QEvent::Show) return false;
    if (message_.isNull()) {
        qApp->removeEventFilter(this);
        return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->isWindow() && w != message_.data()) {
        QPointer<QMessageBox> box = message_;
        QTimer::singleShot(0, this, [box] {
            if (box && box->isVisible()) box->raise();
        });
    }
    return false;
}

}  // namespace mivo
