#pragma once
// EditorChrome: an editor window's tool bar and menus, made from tables of buttons and menu
// items. The line switch sits at the tool bar's right, and the commands that need the
// controller follow the on-line state.
#include <QKeySequence>
#include <QString>
#include <QStyle>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace mivo {

class ControllerLink;
class LineSwitch;

class EditorChrome {
  public:
    // One tool-bar button. Its picture is the desktop icon theme's `themeIcon`, else the one
    // shipped under that name (shell/icons), Qt's own `standardIcon`, or the letters `face`
    // drawn; a one-word hint stands beside it.
    struct Button {
        const char* hint;        // its tool tip, and the name the menus refer to it by
        std::string objectName;  // the control's name
        const char* face;        // the letters drawn when no picture is found
        bool online;             // needs the controller
        std::function<void()> handler;
        const char* themeIcon = nullptr;
        QStyle::StandardPixmap standardIcon = QStyle::SP_CustomBase;  // SP_CustomBase: none
    };
    // One menu item: it triggers the button `button` (when given), or runs `handler`. An "&"
    // in the text marks its mnemonic; the menus are found by the text without it.
    struct MenuItem {
        const char* text;  // nullptr: a separator
        const char* objectName = nullptr;
        const char* button = nullptr;
        std::function<void()> handler = {};
        bool online = false;   // enabled only on line
        bool offline = false;  // enabled only off line ("COM set")
        QKeySequence key = {};
    };

    // `link` may be null (no line switch, every controller command disabled).
    EditorChrome(QMainWindow* window, ControllerLink* link);

    // Builds the tool bar; the menus come after it.
    void buildToolBar(const std::vector<Button>& buttons);
    QMenu* addMenu(const QString& title, const std::vector<MenuItem>& items);
    // Tool-bar pictures without their hints (a narrow editor, whose line switch would be pushed
    // out of sight).
    void picturesOnly();

    // Tool-bar buttons by hint, menu items by text; nullptr when unknown.
    QAction* action(const QString& hint) const;
    QAction* menuAction(const QString& text) const;
    // An action of the editor's own that `menuAction` finds by `text` (pop-up menus).
    void registerMenuAction(const QString& text, QAction* action);

    // On line: the controller commands enabled and "COM set" disabled; off line the reverse.
    void applyOnlineState(bool online);
    // True while the line switch shows "Online".
    bool onlineShown() const;

  private:
    QAction* makeAction(const QString& text, const char* objectName);

    QMainWindow* window_;
    ControllerLink* link_;
    LineSwitch* lineSwitch_ = nullptr;
    std::map<QString, QAction*> buttons_;    // by hint
    std::map<QString, QAction*> menuItems_;  // by text
    std::vector<QAction*> onlineActions_;
    std::vector<QAction*> offlineActions_;
};

}  // namespace mivo
