#include "shell/compare_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "codepage/cp1252.h"
#include "common/prompter.h"
#include "i18n/translated_texts.h"

namespace mivo {

namespace {
// An item's data: its grid row; -1 for the lines about the list (the same data, out of date).
constexpr int kRowRole = Qt::UserRole;
const char* const kSameText =
    QT_TRANSLATE_NOOP("mivo::ComparePanel", "No differences: the controller holds the same.");
const char* const kOutdatedText =
    QT_TRANSLATE_NOOP("mivo::ComparePanel",
                      "Out of date: the data or the controller changed "
                      "after this compare. Compare again.");
const char* const kCaption = QT_TRANSLATE_NOOP("Message", "Compare with controller");
// The panel's own texts (it has no translation context of its own).
QString Translated(const char* text) {
    return QCoreApplication::translate("mivo::ComparePanel", text);
}
// The most the panel asks for its lines; longer ones scroll and show whole as tool tips.
constexpr int kWidestHint = 900;

// The list asks for the width of its lines, so that the panel shows both texts whole.
class CompareList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override {
        const int lines = count() > 0 ? sizeHintForColumn(0) : 0;
        const int width =
            lines + 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + spacing() * 2;
        return {std::clamp(width, QListWidget::sizeHint().width(), kWidestHint),
                QListWidget::sizeHint().height()};
    }
};

// The line of a difference as the editors show it: their side is the editor's data, which may
// not be saved in a file yet.
QString EditorLine(const Difference& d) { return Cp1252::decode(DifferenceLine(d, "editor")); }

}  // namespace

ComparePanel::ComparePanel(QMainWindow* window, Prompter& prompter, Handlers handlers,
                           Qt::DockWidgetArea area)
    : QDockWidget(MessageText(kCaption), window),
      prompter_(prompter),
      handlers_(std::move(handlers)) {
    setObjectName("CompareDock");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    list_ = new CompareList(body);
    list_->setObjectName("CompareList");
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    send_ =
        new QPushButton(QCoreApplication::translate("mivo::ComparePanel", "Send selected"), body);
    send_->setObjectName("CompareSend");
    take_ =
        new QPushButton(QCoreApplication::translate("mivo::ComparePanel", "Take selected"), body);
    take_->setObjectName("CompareTake");
    buttons->addWidget(send_);
    buttons->addWidget(take_);
    layout->addLayout(buttons);
    setWidget(body);
    window->addDockWidget(area, this);

    const auto select = [this](QListWidgetItem* item) {
        if (item && item->data(kRowRole).toInt() >= 0 && handlers_.select)
            handlers_.select(item->data(kRowRole).toInt());
    };
    connect(list_, &QListWidget::currentItemChanged, this, select);
    connect(list_, &QListWidget::itemClicked, this, select);
    connect(send_, &QPushButton::clicked, this, [this] {
        onTicked(handlers_.send,
                 QT_TRANSLATE_NOOP("Message", "Nothing is ticked: tick the items to send first."));
    });
    connect(take_, &QPushButton::clicked, this, [this] {
        onTicked(handlers_.take,
                 QT_TRANSLATE_NOOP("Message", "Nothing is ticked: tick the items to take first."));
    });
    // Sending needs the line, as the compare does: off line the button is disabled with it.
    compare_ = window->findChild<QAction*>("MenuCompare");
    if (compare_) connect(compare_, &QAction::enabledChanged, this, [this] { enableButtons(); });
    enableButtons();
}

void ComparePanel::enableButtons() {
    send_->setEnabled(!outdated_ && (!compare_ || compare_->isEnabled()));
    take_->setEnabled(!outdated_);
}

void ComparePanel::onTicked(const std::function<void()>& handler, const char* nothingTicked) {
    if (ticked().empty()) {
        prompter_.notify(nothingTicked, kCaption);
        return;
    }
    if (handler) handler();
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
    outdated_ = false;
    enableButtons();
    list_->updateGeometry();
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (!isVisible() && widened_ == 0 && window->maximumWidth() < QWIDGETSIZE_MAX) {
        widened_ = sizeHint().width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
        narrowWidth_ = window->width();
        window->setMaximumWidth(window->maximumWidth() + widened_);
        window->resize(narrowWidth_ + widened_, window->height());
    }
    const bool wasShown = isVisible();
    show();
    // Beside the grid it takes the width of its lines, up to half the window.
    if (!wasShown && !isFloating() && window->dockWidgetArea(this) != Qt::BottomDockWidgetArea &&
        window->dockWidgetArea(this) != Qt::TopDockWidgetArea)
        window->resizeDocks({this}, {std::min(sizeHint().width(), window->width() / 2)},
                            Qt::Horizontal);
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
        lines << EditorLine(d);
        items.push_back(d.item);
    }
    showItems(lines, items);
}

void ComparePanel::markOutdated() {
    if (outdated_ || list_->count() == 0) return;
    outdated_ = true;
    const QSignalBlocker quiet(list_);
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
    }
    auto* note = new QListWidgetItem(Translated(kOutdatedText));
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    note->setData(kRowRole, -1);
    note->setToolTip(Translated(kOutdatedText));
    list_->insertItem(0, note);
    enableButtons();
}

void ComparePanel::addSameLine() {
    auto* item = new QListWidgetItem(Translated(kSameText), list_);
    item->setData(kRowRole, -1);
}

std::vector<int> ComparePanel::ticked() const {
    std::vector<int> out;
    int index = 0;  // among the items of differences
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem* item = list_->item(i);
        if (item->data(kRowRole).toInt() < 0) continue;
        if (item->checkState() == Qt::Checked) out.push_back(index);
        ++index;
    }
    return out;
}

QStringList ComparePanel::lines() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(kRowRole).toInt() >= 0) out << list_->item(i)->text();
    return out;
}

}  // namespace mivo
