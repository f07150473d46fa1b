#include "steps/step_editor.h"

#include <QAction>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "link/controller_link.h"
#include "shell/key_list.h"
#include "steps/grid_step_model.h"
#include "steps/program_initialize.h"
#include "steps/run_trace_window.h"
#include "steps/step_compare.h"
#include "steps/step_files.h"

namespace mivo {

StepEditor::StepEditor(const EditorLinks& links, QWidget* parent)
    : EditorFrame(links, DataKind::Step, StepFileKind(), parent),
      compare_(std::make_unique<StepCompare>(*this)) {
    setObjectName("Tmmain");
    setCaption(tr("MIVO Editor [Main-Step]"));

    model_ = new GridStepModel(table_, this);
    model_->setEditHandler(
        [this](int step, int field, const QString& text) { return cellEdited(step, field, text); });

    buildCommands();
    buildCentre();
    buildEstimate();
    trace_ = std::make_unique<RunTraceWindow>(model_);
    // The path preview beside the grid keeps the window's height; the docks below (the program
    // check, the compare) sit below the grid alone.
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    // Wider than written where a larger font widens the column titles.
    setWrittenSize({std::max(636, widthForColumns()), 488});
}

// A cell still being edited is committed while the window closes, after this part of it is
// gone: the edit goes nowhere.
StepEditor::~StepEditor() {
    model_->setEditHandler({});
    // The dock is hidden again while the window's base part destroys it: not ours to hear.
    if (pathDock_) pathDock_->disconnect(this);
}

void StepEditor::buildCentre() {
    QVBoxLayout* layout = centreLayout();
    QWidget* centre = layout->parentWidget();
    layout->setSpacing(2);

    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(tr(" Send/Receive Range "), centre));
    const auto rangeBox = [&](const char* text, const char* name) {
        auto* box = new QLineEdit(text, centre);
        box->setObjectName(name);
        box->setMaxLength(3);
        box->setFixedWidth(40);
        rangeRow->addWidget(box);
        return box;
    };
    rangeStartEdit_ = rangeBox("0", "jaku");
    rangeRow->addWidget(new QLabel("-", centre));
    rangeEndEdit_ = rangeBox("999", "kyou");
    // Read out without the dash between them.
    rangeStartEdit_->setAccessibleName(tr("Send/Receive Range, first step"));
    rangeEndEdit_->setAccessibleName(tr("Send/Receive Range, last step"));
    rangeRow->addSpacing(30);
    rangeRow->addWidget(new QLabel(tr("Pgm No.  "), centre));
    programNumber_ = new QLabel("0", centre);
    programNumber_->setObjectName("PgmNo");
    QFont bold = programNumber_->font();
    bold.setBold(true);
    programNumber_->setFont(bold);
    programNumber_->setStyleSheet("color: #FF0000;");
    rangeRow->addWidget(programNumber_);
    rangeRow->addStretch(1);
    layout->addLayout(rangeRow);

    grid_ = new QTableView(centre);
    grid_->setObjectName("STEPGRID");
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setMinimumSectionSize(18);
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setHighlightSections(false);
    // The Comment column takes the room the user gives the window.
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Double-click opens the command-entry dialog; typing edits the cell in place.
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    grid_->setWordWrap(false);
    grid_->setCurrentIndex(model_->index(0, 1));
    watchGrid(grid_, {GridStepModel::kWrittenWidths.begin(), GridStepModel::kWrittenWidths.end()});
    grid_->installEventFilter(this);  // Enter opens the command-entry dialog
    TellKey(grid_, QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText),
            tr("Grid: open the step's command-entry dialog"));

    buildPopupMenu();

    // The path previews are drawn anew as the table changes, while they show.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { refreshPreview(); });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { refreshPreview(); });
    connect(grid_, &QTableView::clicked, this, [this] { upperCaseCommands(); });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openStepDialog(index.row()); });

    layout->addWidget(grid_, 1);
}

StepTable& StepEditor::table() { return table_; }

void StepEditor::setProgramNumber(const QString& number) { programNumber_->setText(number); }
QString StepEditor::programNumber() const { return programNumber_->text(); }
QString StepEditor::rangeStart() const { return rangeStartEdit_->text(); }
QString StepEditor::rangeEnd() const { return rangeEndEdit_->text(); }

void StepEditor::showProgramNumber(const std::string& number) {
    setProgramNumber(Cp1252::decode(number));
}

}  // namespace mivo
