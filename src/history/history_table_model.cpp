#include "history/history_table_model.h"

#include <QColor>
#include <QFont>

#include "history/history_text.h"
#include "history/run_texts.h"

namespace mivo {

namespace {

// clang-format off
const char* const kTitles[] = {
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "No."),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Start"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Program"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Result"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Cycle"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Program hash"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Robot"),
    QT_TRANSLATE_NOOP("mivo::HistoryTableModel", "Host")};
// clang-format on

// A program hash is long; its first characters tell programs apart.
constexpr int kShortHash = 8;

}  // namespace

void HistoryTableModel::setRuns(SharedRuns runs, const std::vector<std::size_t>& above,
                                const std::vector<std::size_t>& below) {
    beginResetModel();
    runs_ = std::move(runs);
    stray_.assign(runs_->size(), Within);
    for (std::size_t i : above) stray_[i] = Above;
    for (std::size_t i : below) stray_[i] = Below;
    endResetModel();
}

int HistoryTableModel::rowOf(std::int64_t id) const {
    for (std::size_t i = 0; i < runs_->size(); ++i)
        if ((*runs_)[i].id == id) return int(i);
    return -1;
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(runs_->size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= runs_->size()) return {};
    const RunRecord& run = (*runs_)[std::size_t(index.row())];
    const char stray = stray_[std::size_t(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        switch (column) {
            case Number:
                return QVariant::fromValue(qint64(run.id));
            case Start:
                return QString::fromStdString(LocalDateTime(run.startMs));
            case Program:
                return ProgramText(run.program);
            case Result:
                return ResultText(run);
            case Cycle:
                return CycleText(run) + (stray == Above   ? QString::fromUtf8(" \u25b2")
                                         : stray == Below ? QString::fromUtf8(" \u25bc")
                                                          : QString());
            case Hash:
                return KeptText(run.programHash.substr(0, kShortHash));
            case Robot:
                return run.robot >= 0 ? QString::number(run.robot) : QString();
            case Host:
                return KeptText(run.host);
        }
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column == Number || column == Cycle || column == Robot
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    if (column == Cycle && stray != Within) {
        if (role == Qt::ForegroundRole) return QColor(0xC0, 0x10, 0x10);
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::ToolTipRole)
            return stray == Above ? tr("Above the upper control limit")
                                  : tr("Below the lower control limit");
    }
    if (column == Hash && role == Qt::ToolTipRole) return KeptText(run.programHash);
    if (column == Result && role == Qt::ForegroundRole && run.result != RunResult::End)
        return QColor(0xA0, 0x40, 0x00);
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return tr(kTitles[section]);
    return {};
}

QString HistoryTableModel::widestText(int column) {
    switch (column) {
        case Number:
            return "888888";
        case Start:
            return "2088-88-88 88:88:88";
        case Program:
            return tr(kTitles[Program]);
        case Result:
            return "HOST ENDED";
        case Cycle:
            return QString::fromUtf8("888.88 s \u25b2");
        case Hash:
            return tr(kTitles[Hash]);
        case Robot:
            return tr(kTitles[Robot]);
        case Host:
            return "mivo-editor";
    }
    return {};
}

}  // namespace mivo
