#include "shell/editor_chrome.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "i18n/translated_texts.h"
#include "link/controller_link.h"
#include "shell/line_switch.h"

namespace mivo {

namespace {

QIcon FaceIcon(const QString& letters) {
    QPixmap pixmap(30, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, 29, 21);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0x80));
    p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

// The theme's picture of that name; without it the one shipped under that name, Qt's own, or
// the drawn letters.
QIcon ButtonIcon(const EditorChrome::Button& b) {
    const QString shipped = QString(":/icons/%1.png").arg(b.themeIcon);
    QIcon fallback = b.themeIcon && QFile::exists(shipped) ? QIcon(shipped)
                     : b.standardIcon == QStyle::SP_CustomBase
                         ? FaceIcon(b.face)
                         : QApplication::style()->standardIcon(b.standardIcon);
    if (fallback.isNull()) fallback = FaceIcon(b.face);
    return b.themeIcon ? QIcon::fromTheme(b.themeIcon, fallback) : fallback;
}

}  // namespace

EditorChrome::EditorChrome(QMainWindow* window, ControllerLink* link)
    : window_(window), link_(link) {}

QAction* EditorChrome::makeAction(const QString& text, const char* objectName) {
    auto* a = new QAction(text, window_);
    if (objectName) a->setObjectName(objectName);
    return a;
}

namespace {

// The words beside the pictures while the bar has room for them, the pictures alone when it has
// not (a narrower window, a language with longer words): no button, and not the line switch,
// moves out of sight.
class WordsWhereTheyFit : public QObject {
  public:
    WordsWhereTheyFit(QToolBar* bar, std::vector<QToolButton*> worded)
        : QObject(bar), bar_(bar), worded_(std::move(worded)) {
        bar->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == bar_ && event->type() == QEvent::Resize && !fitting_) {
            fitting_ = true;
            show(Qt::ToolButtonTextBesideIcon);
            if (bar_->sizeHint().width() > bar_->width()) show(Qt::ToolButtonIconOnly);
            fitting_ = false;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void show(Qt::ToolButtonStyle style) {
        for (QToolButton* b : worded_) b->setToolButtonStyle(style);
    }

    QToolBar* bar_;
    std::vector<QToolButton*> worded_;
    bool fitting_ = false;
};

}  // namespace

void EditorChrome::buildToolBar(const std::vector<Button>& buttons) {
    auto* bar = new QToolBar(window_);
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    // Small enough that every button and the line switch fit the written width.
    bar->setIconSize(QSize(20, 20));
    std::vector<QToolButton*> worded;
    for (const Button& b : buttons) {
        QAction* a = makeAction(MenuText(b.hint), b.objectName.c_str());
        a->setToolTip(MenuText(b.hint));
        a->setIcon(ButtonIcon(b));
        buttons_[b.hint] = a;
        if (b.online) onlineActions_.push_back(a);
        QObject::connect(a, &QAction::triggered, window_, b.handler);
        bar->addAction(a);
        if (auto* w = qobject_cast<QToolButton*>(bar->widgetForAction(a))) {
            w->setObjectName(QString::fromStdString(b.objectName));
            // A short hint reads better than a picture alone.
            if (!QString(b.hint).contains(' ')) {
                w->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
                worded.push_back(w);
            }
        }
    }
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    if (link_) {
        lineSwitch_ = new LineSwitch(*link_, LineSwitch::Main, bar);
        bar->addWidget(lineSwitch_);
        QObject::connect(link_, &ControllerLink::onlineChanged, window_,
                         [this](bool online) { applyOnlineState(online); });
    }
    window_->addToolBar(Qt::TopToolBarArea, bar);
    new WordsWhereTheyFit(bar, std::move(worded));
}

QMenu* EditorChrome::addMenu(const QString& title, const std::vector<MenuItem>& items) {
    QMenu* menu = window_->menuBar()->addMenu(MenuText(title.toUtf8().constData()));
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* a = makeAction(MenuText(item.text), item.objectName);
        if (!item.key.isEmpty()) a->setShortcut(item.key);
        // A menu item for a tool-bar command triggers the button's action, so that one
        // connection serves both.
        QAction* target = item.button ? action(item.button) : nullptr;
        if (target) {
            QObject::connect(a, &QAction::triggered, target, &QAction::trigger);
        } else if (item.handler) {
            QObject::connect(a, &QAction::triggered, window_, item.handler);
        }
        if (item.online) onlineActions_.push_back(a);
        if (item.offline) offlineActions_.push_back(a);
        menu->addAction(a);
        menuItems_[QString(item.text).remove('&')] = a;
    }
    applyOnlineState(link_ && link_->isOnline());
    return menu;
}

void EditorChrome::picturesOnly() {
    if (auto* bar = window_->findChild<QToolBar*>("ToolBar1"))
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction* EditorChrome::action(const QString& hint) const {
    const auto it = buttons_.find(hint);
    return it == buttons_.end() ? nullptr : it->second;
}

QAction* EditorChrome::menuAction(const QString& text) const {
    const auto it = menuItems_.find(text);
    return it == menuItems_.end() ? nullptr : it->second;
}

void EditorChrome::registerMenuAction(const QString& text, QAction* action) {
    menuItems_[text] = action;
}

void EditorChrome::applyOnlineState(bool online) {
    for (QAction* a : onlineActions_) a->setEnabled(online);
    for (QAction* a : offlineActions_) a->setEnabled(!online);
}

bool EditorChrome::onlineShown() const { return lineSwitch_ && lineSwitch_->isOnlineShown(); }

}  // namespace mivo
