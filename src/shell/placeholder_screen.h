#pragma once
// The frame of a screen whose contents come later: a real window with its caption, a tool
// bar for its line switch, and closing that hides it and shows the start screen.
#include <QMainWindow>

class QToolBar;

namespace mivo {

struct Screens;

class PlaceholderScreen : public QMainWindow {
    Q_OBJECT
  public:
    PlaceholderScreen(Screens& screens, const QString& objectName, const QString& caption,
                      QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The tool bar, made on first use; the line switch goes at its right.
    QToolBar* toolBar();
    Screens& screens() { return screens_; }

  private:
    Screens& screens_;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace mivo
