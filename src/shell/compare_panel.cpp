#include "shell/compare_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "codepage/cp1252.h"

namespace mivo {

namespace {
// An item's data: its grid row; -1 for the line saying the data are the same.
constexpr int kRowRole = Qt::UserRole;
const char* const kSameText = "No differences: the controller holds the same.";
}  // namespace

ComparePanel::ComparePanel(QMainWindow* window, Handlers handlers)
    : QDockWidget("Compare with controller", window), handlers_(std::move(handlers)) {
    setObjectName("CompareDock");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    list_ = new QListWidget(body);
    list_->setObjectName("CompareList");
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    auto* send = new QPushButton("Send selected", body);
    send->setObjectName("CompareSend");
    auto* take = new QPushButton("Take selected", body);
    take->setObjectName("CompareTake");
    buttons->addWidget(send);
    buttons->addWidget(take);
    layout->addLayout(buttons);
    setWidget(body);
    window->addDockWidget(Qt::RightDockWidgetArea, this);

    const auto select = [this](QListWidgetItem* item) {
        if (item && item->data(kRowRole).toInt() >= 0 && handlers_.select)
            handlers_.select(item->data(kRowRole).toInt());
    };
    connect(list_, &QListWidget::currentItemChanged, this, select);
    connect(list_, &QListWidget::itemClicked, this, select);
    connect(send, &QPushButton::clicked, this, [this] {
        if (handlers_.send) handlers_.send();
    });
    connect(take, &QPushButton::clicked, this, [this] {
        if (handlers_.take) handlers_.take();
    });
    // Sending needs the line, as the compare does: off line the button is disabled with it.
    if (auto* compare = window->findChild<QAction*>("MenuCompare")) {
        send->setEnabled(compare->isEnabled());
        connect(compare, &QAction::enabledChanged, send, &QPushButton::setEnabled);
    }
}

void ComparePanel::showItems(const QStringList& lines, const std::vector<int>& rows) {
    {
        // Filling the list moves no selection in the grid.
        const QSignalBlocker quiet(list_);
        list_->clear();
        for (int i = 0; i < lines.size(); ++i) {
            auto* item = new QListWidgetItem(lines[i], list_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            item->setData(kRowRole, rows[static_cast<std::size_t>(i)]);
            // A long step line is wider than the dock.
            item->setToolTip(lines[i]);
        }
        if (lines.empty()) addSameLine();
    }
    auto* window = parentWidget();
    if (!isVisible() && widened_ == 0 && window->maximumWidth() < QWIDGETSIZE_MAX) {
        widened_ = sizeHint().width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
        narrowWidth_ = window->width();
        window->setMaximumWidth(window->maximumWidth() + widened_);
        window->resize(narrowWidth_ + widened_, window->height());
    }
    show();
}

void ComparePanel::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (widened_ == 0 || !event->isAccepted()) return;
    hide();  // the window's least width without the panel
    auto* window = parentWidget();
    window->setMaximumWidth(window->maximumWidth() - widened_);
    window->resize(narrowWidth_, window->height());
    widened_ = 0;
}

void ComparePanel::showDifferences(const std::vector<Difference>& differences) {
    QStringList lines;
    std::vector<int> items;
    for (const Difference& d : differences) {
        lines << Cp1252::decode(DifferenceLine(d));
        items.push_back(d.item);
    }
    showItems(lines, items);
}

void ComparePanel::addSameLine() {
    auto* item = new QListWidgetItem(kSameText, list_);
    item->setData(kRowRole, -1);
}

std::vector<int> ComparePanel::ticked() const {
    std::vector<int> out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(kRowRole).toInt() >= 0 &&
            list_->item(i)->checkState() == Qt::Checked)
            out.push_back(i);
    return out;
}

QStringList ComparePanel::lines() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(kRowRole).toInt() >= 0) out << list_->item(i)->text();
    return out;
}

}  // namespace mivo
