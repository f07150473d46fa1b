#include "parameters/parameter_editor.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "parameters/grid_parameter_model.h"
#include "parameters/parameter_files.h"
#include "parameters/parameter_transfer.h"

namespace mivo {

namespace {

constexpr int kRowHeight = 18;
constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("mivo::ParameterEditor", "MIVO Editor [Parameter]");

}  // namespace

ParameterEditor::ParameterEditor(const EditorLinks& links, QWidget* parent)
    : MemoryEditor(
          links,
          {DataKind::Parameter, ParameterFileKind(), "Tparameter", kCaption, ParameterFileText,
           ConvertParameterFile, QT_TRANSLATE_NOOP("Message", "Is new programming executed?"),
           QT_TRANSLATE_NOOP("Message", "Parameter contents"), ResetToInitialValues, false},
          parent) {
    setCaption(tr(kCaption));
    // Minimised, not maximised; at most 810 by 600.
    withoutMaximise();
    setMaximumSize(810, 600);

    model_ = new GridParameterModel(data_, this);
    model_->setEditHandler(
        [this](int number, const QString& text) { return cellEdited(number, text); });

    teachBy(QT_TRANSLATE_NOOP("Message", "  ZI position teach  "), ZiTeachPositions,
            "ZI position teach",
            [](ParameterTable& t, const TeachTexts& taught, const std::string&) {
                WriteTaughtZi(t, taught);
            });

    setCompare(compareKind());
    buildCommands();
    buildCentre();

    // The six columns and the scroll bar: 735 at their written widths, wider where a title needs.
    resize(std::max(735, widthForColumns()), 560);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

// A cell still being edited is committed while the window closes, after this part of it is
// gone: the edit goes nowhere.
ParameterEditor::~ParameterEditor() { model_->setEditHandler({}); }

void ParameterEditor::buildCommands() {
    MemoryEditor::buildCommands(
        "PRM",
        {{QT_TRANSLATE_NOOP("Menu", "Parameter send"), "MenuSend", "Parameter send", "PRMSend",
          "Snd", [this] { sendParameters(); }},
         {QT_TRANSLATE_NOOP("Menu", "Parameter receive"), "MenuReceive", "Parameter receive",
          "PRMReceive", "Rcv", [this] { receiveParameters(); }},
         {QT_TRANSLATE_NOOP("Menu", "Parameter initialize"), "MenuInit", "Parameter initialize",
          "PRMInit", "Ini", [this] { initializeParameters(); }},
         compareCommand()},
        ParameterStartQuestion,
        teachButton("ZI position teach", "PRMZITeach", "ZI", DataKind::Parameter,
                    [this]() -> TeachTarget& { return *teach_; }),
        [this] { endEditor(); });
}

void ParameterEditor::buildCentre() {
    QVBoxLayout* layout = centreLayout();
    QWidget* centre = layout->parentWidget();

    grid_ = new QTableView(centre);
    grid_->setObjectName("PRMGRID");
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing edits the value in place.
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    grid_->setWordWrap(false);
    grid_->setCurrentIndex(model_->index(0, ColValue));
    watchGrid(grid_, {57, 256, 104, 159, 65, 58});
    layout->addWidget(grid_, 1);
}

void ParameterEditor::valuesChanged(int first, int last) { model_->valuesChanged(first, last); }

void ParameterEditor::setServiceLayout(bool on) {
    const QModelIndex current = grid_->currentIndex();
    model_->setServiceLayout(on);
    const int row = current.isValid() && current.row() < model_->rowCount() ? current.row() : 0;
    grid_->setCurrentIndex(model_->index(row, current.isValid() ? current.column() : ColValue));
}

}  // namespace mivo
