// The run history window's filters and table, as laid out.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "history/history_table_model.h"
#include "history/history_window.h"
#include "shell/window_style.h"

namespace mivo {

QWidget* HistoryWindow::makeFilters() {
    program_ = new QComboBox;
    program_->setObjectName("HistoryProgram");
    program_->addItem(tr("All"));
    for (int p = 0; p <= 5; ++p) program_->addItem(QString("P%1").arg(p));
    result_ = new QComboBox;
    result_->setObjectName("HistoryResult");
    result_->addItem(tr("All"));
    for (RunResult r : AllRunResults()) result_->addItem(QString::fromLatin1(RunResultWord(r)));
    const auto dateEdit = [](const char* name) {
        auto* edit = new QDateEdit(QDate::currentDate());
        edit->setObjectName(name);
        edit->setDisplayFormat("yyyy-MM-dd");
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        return edit;
    };
    from_ = dateEdit("HistoryFrom");
    to_ = dateEdit("HistoryTo");
    fromOn_ = new QCheckBox(tr("&From"));
    fromOn_->setObjectName("HistoryFromOn");
    fromOn_->setToolTip(tr("Only runs started on or after this day"));
    toOn_ = new QCheckBox(tr("&To"));
    toOn_->setObjectName("HistoryToOn");
    toOn_->setToolTip(tr("Only runs started on or before this day"));
    count_ = new QLabel;
    count_->setObjectName("HistoryCount");
    export_ = new QPushButton(tr("&Export CSV..."));
    export_->setObjectName("HistoryExport");
    export_->setToolTip(tr("Write the runs shown to a CSV file"));

    auto* programLabel = new QLabel(tr("&Program:"));
    programLabel->setBuddy(program_);
    auto* resultLabel = new QLabel(tr("&Result:"));
    resultLabel->setBuddy(result_);
    // The filters on a line, the count and the export under them: a narrow window (or a
    // language with longer words) still shows each whole.
    auto* bar = new QWidget;
    auto* lines = new QVBoxLayout(bar);
    lines->setContentsMargins(0, 0, 0, 0);
    auto* filters = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{programLabel, program_, resultLabel, result_,
                                                      fromOn_, from_, toOn_, to_})
        filters->addWidget(w);
    filters->addStretch(1);
    auto* shown = new QHBoxLayout;
    shown->addWidget(count_);
    shown->addStretch(1);
    shown->addWidget(export_);
    lines->addLayout(filters);
    lines->addLayout(shown);

    const auto changed = [this] { applyFilters(); };
    connect(program_, &QComboBox::currentIndexChanged, this, changed);
    connect(result_, &QComboBox::currentIndexChanged, this, changed);
    connect(from_, &QDateEdit::dateChanged, this, changed);
    connect(to_, &QDateEdit::dateChanged, this, changed);
    connect(fromOn_, &QCheckBox::toggled, from_, &QWidget::setEnabled);
    connect(toOn_, &QCheckBox::toggled, to_, &QWidget::setEnabled);
    connect(fromOn_, &QCheckBox::toggled, this, changed);
    connect(toOn_, &QCheckBox::toggled, this, changed);
    connect(export_, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    return bar;
}

void HistoryWindow::makeTable() {
    model_ = new HistoryTableModel(this);
    table_ = new QTableView;
    table_->setObjectName("HistoryTable");
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    // Fixed heights and widths: nothing is measured row by row, however many runs there are.
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setStretchLastSection(true);
    for (int c = 0; c < HistoryTableModel::ColumnCount; ++c)
        table_->setColumnWidth(
            c, fontMetrics().horizontalAdvance(HistoryTableModel::widestText(c)) + 18);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::showSelection);
}

}  // namespace mivo
