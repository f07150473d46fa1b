#pragma once
// ComparePanel: what differs between an editor's data and the controller's, in a dock beside the
// grid. One checkable line per item (`CompareList`), the editor's text against the controller's;
// "Send selected" (`CompareSend`) and "Take selected" (`CompareTake`) act on the ticked ones, and
// with none ticked say so. Picking a line shows its row in the grid. Once either side changes the
// list is marked out of date, and neither sends nor takes until compared again.
#include <QDockWidget>
#include <QStringList>
#include <functional>
#include <vector>

#include "files/difference.h"

class QListWidget;
class QPushButton;

namespace mivo {

class Prompter;

class ComparePanel : public QDockWidget {
  public:
    struct Handlers {
        std::function<void(int row)> select;
        std::function<void()> send;
        std::function<void()> take;
    };
    // In `area` of `window`; as wide as its lines (a window of a fixed most width widens by it).
    ComparePanel(QMainWindow* window, Prompter& prompter, Handlers handlers,
                 Qt::DockWidgetArea area = Qt::RightDockWidgetArea);

    // The differences' lines (DifferenceLine, the data's side named "editor": they may not be
    // saved yet), each selecting its item's row; none: the data are the same. Shows the panel;
    // nothing is ticked, and the list is up to date.
    void showDifferences(const std::vector<Difference>& differences);
    // The data or the controller changed after the compare: the list says it is out of date at
    // its top, its items can no longer be ticked, and Send selected and Take selected are off.
    void markOutdated();
    bool outdated() const { return outdated_; }
    // The indices of the ticked items, in order.
    std::vector<int> ticked() const;
    // The items' lines; empty when the data are the same.
    QStringList lines() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showItems(const QStringList& lines, const std::vector<int>& rows);
    void addSameLine();
    // Runs `handler` on the ticked items, or says `nothingTicked`.
    void onTicked(const std::function<void()>& handler, const char* nothingTicked);
    void enableButtons();
    QListWidget* list_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* take_ = nullptr;
    QAction* compare_ = nullptr;  // the window's "Compare with controller"
    Prompter& prompter_;
    Handlers handlers_;
    bool outdated_ = false;
    // A window of a fixed most width (the pallet and offset editors) widens by the panel while
    // it shows, so the grid keeps its room; this much.
    int widened_ = 0;
    int narrowWidth_ = 0;  // its width before
};

}  // namespace mivo
