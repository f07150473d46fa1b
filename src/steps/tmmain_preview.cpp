// The step editor's path preview: a dock beside the grid, drawn anew as the table changes, the
// grid's current step highlighted and a click on a point selecting its step.
#include <QDockWidget>
#include <QItemSelectionModel>
#include <QTableView>

#include "steps/grid_step_model.h"
#include "steps/path_preview.h"
#include "steps/program_check.h"
#include "steps/tmmain.h"

namespace mivo {

void Tmmain::selectStep(int step) {
    const QModelIndex cell = grid_->model()->index(step, 1);
    grid_->setCurrentIndex(cell);
    grid_->selectRow(step);
    grid_->scrollTo(cell);
    grid_->setFocus();
}

void Tmmain::showPathPreview() {
    if (!pathDock_) {
        pathDock_ = new QDockWidget("Path preview", this);
        pathDock_->setObjectName("PathDock");
        preview_ = new PathPreview(pathDock_);
        pathDock_->setWidget(preview_);
        addDockWidget(Qt::RightDockWidgetArea, pathDock_);
        connect(preview_, &PathPreview::stepClicked, this, [this](int step) { selectStep(step); });
        connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { preview_->setSelectedStep(current.row()); });
        QAbstractItemModel* model = grid_->model();
        connect(model, &QAbstractItemModel::modelReset, this, [this] { refreshPreview(); });
        connect(model, &QAbstractItemModel::dataChanged, this, [this] { refreshPreview(); });
        connect(pathDock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
            if (shown) refreshPreview();
        });
    }
    pathDock_->show();
    pathDock_->raise();
    refreshPreview();
    preview_->setSelectedStep(grid_->currentIndex().row());
}

void Tmmain::refreshPreview() {
    if (!preview_ || !pathDock_->isVisible()) return;
    preview_->setStrokes(strokes());
    preview_->setPicture(BuildPath(table_, pallet_ ? pallet_() : std::nullopt));
}

}  // namespace mivo
