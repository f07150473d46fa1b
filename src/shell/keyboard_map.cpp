#include "shell/keyboard_map.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "shell/assistive_names.h"
#include "shell/key_list.h"

namespace mivo {

KeyboardMap::KeyboardMap(QWidget* parent) : QDialog(parent) {
    setObjectName("KeyboardMap");
    setWindowTitle(tr("Keyboard"));
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName("KeyboardTable");
    table_->setHorizontalHeaderLabels({tr("Window"), tr("Command"), tr("Keys")});
    table_->setAccessibleName(tr("Keys of every window"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    auto* copy = new QAction(tr("Copy"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(copy);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyButton = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName("CopyKeys");
    copyButton->setToolTip(tr("Copies the rows selected, or all of them, as text."));
    const auto toClipboard = [this] { QGuiApplication::clipboard()->setText(text()); };
    connect(copy, &QAction::triggered, this, toClipboard);
    connect(copyButton, &QPushButton::clicked, this, toClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(720, 480);
    NameControlsForAssistiveTech(this);
}

void KeyboardMap::refresh() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w == this || (type != Qt::Window && type != Qt::Dialog)) continue;
        windows << w;
    }
    // The windows in a steady order, whatever the application's.
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return a->windowTitle().localeAwareCompare(b->windowTitle()) < 0;
    });
    const std::vector<KeyEntry> keys = KeysOf(windows);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(keys.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const KeyEntry& k = keys[static_cast<std::size_t>(r)];
        int column = 0;
        for (const QString& cell : {k.window, k.command, k.keys})
            table_->setItem(r, column++, new QTableWidgetItem(cell));
    }
    table_->resizeColumnsToContents();
}

QString KeyboardMap::text() const {
    std::set<int> rows;
    for (const QModelIndex& i : table_->selectionModel()->selectedRows()) rows.insert(i.row());
    if (rows.empty())
        for (int r = 0; r < table_->rowCount(); ++r) rows.insert(r);
    std::vector<KeyEntry> keys;
    for (int r : rows)
        keys.push_back(
            {table_->item(r, 0)->text(), table_->item(r, 1)->text(), table_->item(r, 2)->text()});
    return KeysAsText(keys);
}

void KeyboardMap::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void ShowKeyboardMap(QWidget* from) {
    KeyboardMap* map = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<KeyboardMap*>(w)) map = found;
    if (!map) map = new KeyboardMap(from ? from->window() : nullptr);
    if (map->isVisible()) map->refresh();
    map->show();
    map->raise();
    map->activateWindow();
}

}  // namespace mivo
