#include "shell/window_style.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace mivo {

namespace {

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

QMargins FrameOf(const QWidget* w) {
    const QRect f = w->frameGeometry(), g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// The frame the window manager gives `w`: its own once it has one, before that the frame of a
// window already shown (none without a window manager).
QMargins FrameMargins(const QWidget* w) {
    if (const QMargins own = FrameOf(w); !own.isNull()) return own;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != w && other->isVisible() && !(other->windowFlags() & Qt::FramelessWindowHint))
            if (const QMargins m = FrameOf(other); !m.isNull()) return m;
    return {};
}

// The frame position asked of the window manager while the frame it gives is not known yet.
constexpr const char* kFrameAsked = "mivoFrameAsked";

class WindowFitter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Move) || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!w->isWindow()) return false;
        if (type == QEvent::Show &&
            (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog)) {
            FitOnScreen(w);
        } else if (type == QEvent::Move && w->property(kFrameAsked).isValid() &&
                   w->property(kFrameAsked).toPoint() == w->pos() && !FrameOf(w).isNull()) {
            // Framed where it was asked to be: fitted again with its frame counted.
            FitOnScreen(w);
        }
        return false;
    }
};

// Moves the window's frame to `at`, also before the window manager has framed it: the window
// system is asked for the frame's place, the widget keeps it for its next showing.
void MoveFrame(QWidget* w, QPoint at) {
    w->move(at);
    if (QWindow* window = w->windowHandle()) window->setFramePosition(at);
}

// Puts the window's frame at `at` (a moved frame reaches pos() only when the window manager says
// so), or as near as the screen lets it (KeptOnScreen), no larger than the screen.
void FitOnScreenAt(QWidget* w, QPoint at) {
    const QMargins m = FrameMargins(w);
    const QRect kept = KeptOnScreen(QRect(at, w->size().grownBy(m)), ScreenAreas());
    const QSize size = kept.size().shrunkBy(m);
    if (size != w->size()) {
        const bool fixed = w->minimumSize() == w->maximumSize();
        w->setMinimumSize(w->minimumSize().boundedTo(size));
        if (fixed) w->setMaximumSize(size);
        w->resize(size);
    }
    if (kept.topLeft() != w->pos() || at != w->pos()) MoveFrame(w, kept.topLeft());
    // Until the window manager has framed it, its frame is a guess: fitted again once framed.
    w->setProperty(kFrameAsked, FrameOf(w).isNull() ? QVariant(kept.topLeft()) : QVariant());
}

}  // namespace

QRect KeptOnScreen(QRect frame, const QList<QRect>& areas) {
    if (areas.isEmpty()) return frame;
    QRect area = areas.front();
    qint64 most = 0;
    for (const QRect& a : areas) {
        const QRect common = a.intersected(frame);
        const qint64 size = qint64(common.width()) * common.height();
        if (size > most) {
            most = size;
            area = a;
        }
    }
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

void FitOnScreen(QWidget* w) { FitOnScreenAt(w, w->pos()); }

void FitWindowsOnScreen() {
    static QPointer<WindowFitter> fitter;
    if (fitter) return;
    fitter = new WindowFitter(qApp);
    qApp->installEventFilter(fitter);
}

QWidget* ScrolledArea(QWidget* content) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

void FollowNewLines(QPlainTextEdit* text) {
    QScrollBar* bar = text->verticalScrollBar();
    auto following = std::make_shared<bool>(true);
    QObject::connect(bar, &QScrollBar::valueChanged, text,
                     [bar, following](int value) { *following = value >= bar->maximum(); });
    QObject::connect(bar, &QScrollBar::rangeChanged, text, [bar, following](int, int maximum) {
        if (*following) bar->setValue(maximum);
    });
}

QRect PlaceOf(const QWidget* w) { return {w->pos(), w->size()}; }

void PlaceWindow(QWidget* w, QRect place) {
    if (w->minimumSize() != w->maximumSize()) w->resize(place.size().expandedTo(w->minimumSize()));
    MarkPlaced(w);
    FitOnScreenAt(w, place.topLeft());
}

void CentreOnScreen(QWidget* w) {
    if (w->property("mivoPlaced").toBool()) return;
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect r(QPoint(), w->size().grownBy(FrameMargins(w)));
    r.moveCenter(screen->availableGeometry().center());
    FitOnScreenAt(w, r.topLeft());
}

void CentreOverOwner(QWidget* dialog) {
    const QWindow* owner =
        dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
    QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect r(QPoint(), dialog->size().grownBy(FrameMargins(dialog)));
    r.moveCenter(owner ? owner->frameGeometry().center() : screen->availableGeometry().center());
    // An owner near the edge does not push the dialog off the screen.
    FitOnScreenAt(dialog, r.topLeft());
}

int TitleWidth(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    // The window manager's icon and its three buttons, with their margins.
    constexpr int kFrameParts = 130;
    return QFontMetrics(bold).horizontalAdvance(title) + kFrameParts;
}

QFont SetBold(QWidget* w) {
    QFont bold = w->font();
    bold.setBold(true);
    w->setFont(bold);
    return bold;
}

QPushButton* NamedButton(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QVBoxLayout* ColumnAboveButton(QWidget* dialog, std::initializer_list<QWidget*> widgets,
                               QPushButton* button) {
    auto* layout = new QVBoxLayout(dialog);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    return layout;
}

QFont SetRedBold(QWidget* label) {
    const QFont bold = SetBold(label);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    label->setPalette(red);
    return bold;
}

void ShowOver(QWidget* dialog, QWidget* opener) {
    QWidget* owner = opener ? opener->window() : nullptr;
    QWindow* ownerWindow = owner && owner->isVisible() ? owner->windowHandle() : nullptr;
    const int width = TitleWidth(dialog->windowTitle());
    if (dialog->maximumWidth() < width) dialog->setMaximumWidth(width);
    if (dialog->minimumWidth() < width) dialog->setMinimumWidth(width);
    dialog->winId();  // the native window, to be told its owner before it is mapped
    QWindow* window = dialog->windowHandle();
    if (window->transientParent() != ownerWindow) {
        // The window manager reads the owner when the window is mapped.
        dialog->hide();
        window->setTransientParent(ownerWindow);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace mivo
