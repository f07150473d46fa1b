#pragma once
// ComparePanel: what differs between an editor's data and the controller's, in a dock beside the
// grid. One checkable line per item (`CompareList`); "Send selected" (`CompareSend`) and "Take
// selected" (`CompareTake`) act on the ticked ones. Picking a line shows its row in the grid.
#include <QDockWidget>
#include <QStringList>
#include <functional>
#include <vector>

#include "files/difference.h"

class QListWidget;

namespace mivo {

class ComparePanel : public QDockWidget {
  public:
    struct Handlers {
        std::function<void(int row)> select;
        std::function<void()> send;
        std::function<void()> take;
    };
    ComparePanel(QMainWindow* window, Handlers handlers);

    // The differences' lines (DifferenceLine), each selecting its item's row; none: the data
    // are the same. Shows the panel; nothing is ticked.
    void showDifferences(const std::vector<Difference>& differences);
    // The indices of the ticked items, in order.
    std::vector<int> ticked() const;
    // The items' lines; empty when the data are the same.
    QStringList lines() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showItems(const QStringList& lines, const std::vector<int>& rows);
    void addSameLine();
    QListWidget* list_ = nullptr;
    Handlers handlers_;
    // A window of a fixed most width (the pallet and offset editors) widens by the panel while
    // it shows, so the grid keeps its room; this much.
    int widened_ = 0;
    int narrowWidth_ = 0;  // its width before
};

}  // namespace mivo
