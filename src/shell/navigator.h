#pragma once
// Which window shows: the Display menus' moves, the way back to the start screen, the
// communication log; and whether an operation shows its cancel dialog ("operating"). Filled by
// `createScreens` as the windows are made; the screens ask it for a window by its role.
#include <QWidget>
#include <array>

namespace mivo {

class Navigator {
  public:
    enum class Window {
        Start,
        Steps,
        Parameters,
        Pallets,
        Offsets,
        Direct,
        Teach,
        Log,
        History,
        Settings,
        Count
    };

    void add(Window role, QWidget* window) { windows_[Index(role)] = window; }
    QWidget* window(Window role) const { return windows_[Index(role)]; }

    // Shows the window of `role` in front; false when there is none.
    bool show(Window role) const {
        QWidget* w = window(role);
        if (!w) return false;
        w->show();
        w->raise();
        return true;
    }
    void showStart() const {
        if (QWidget* start = window(Window::Start)) start->show();
    }

    // Operating: the cancel dialog shows a running operation.
    void setCancelDialog(const QWidget* dialog) { cancel_ = dialog; }
    bool operating() const { return cancel_ && cancel_->isVisible(); }
    // Teaching: the teaching screen shows; it gives its openers back their controls itself.
    bool teaching() const {
        const QWidget* teach = window(Window::Teach);
        return teach && teach->isVisible();
    }

  private:
    static std::size_t Index(Window role) { return static_cast<std::size_t>(role); }

    std::array<QWidget*, static_cast<std::size_t>(Window::Count)> windows_{};
    const QWidget* cancel_ = nullptr;
};

}  // namespace mivo
