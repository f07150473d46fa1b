#include "pallets/pallet_editor.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "pallets/pallet_transfer.h"
#include "parameters/parameter_rules.h"
#include "parameters/parameter_transfer.h"
#include "procedures/program_control.h"
#include "shell/cell_grid_model.h"
#include "shell/cp1252_validator.h"

namespace mivo {

namespace {

// The three fields above and below the grid, as undo merges the keys typed into each.
int FieldMergeKey(int which) { return 100 + which; }

constexpr const char* kCaption = QT_TRANSLATE_NOOP("mivo::PalletEditor", "MIVO Editor [Pallet]");

}  // namespace

PalletEditor::PalletEditor(const EditorLinks& links, QWidget* parent)
    : MemoryEditor(links,
                   {DataKind::Pallet, PalletFileKind(), "Tpalet", kCaption, PalletFileText,
                    ConvertPalletFile, QT_TRANSLATE_NOOP("Message", "Is new program written?"),
                    QT_TRANSLATE_NOOP("Message", "Pallet contents"),
                    [](PalletData& d) { d = PalletData{}; }},
                   parent) {
    setCaption(tr(kCaption));
    setFixedWrittenSize({460, 263});
    setStartScreenFiles(PalletExitFileKind());
    model_ =
        new CellGridModel({"P1", "P2", "P3"}, {"     X", "     Y", "     Z"},
                          {[this](int row, int column) { return PalletCell(data_, row, column); },
                           [this](int row, int column, const std::string& bytes) {
                               return cellEdited(row, column, bytes);
                           },
                           // The Z cells of P2 and P3 are never filed nor sent.
                           [](int row, int column) { return PalletCellField(row, column) >= 0; }},
                          prompter(), this);
    teachBy(QT_TRANSLATE_NOOP("Message", "Pallet position teach"), PalletTeachPositions,
            "Teaching set", [](PalletData& d, const TeachTexts& taught, const std::string&) {
                WriteTaughtPallet(d, taught);
            });
    setCompare(compareKind());
    buildCommands();
    buildCentre();
    shown();
}

PalletEditor::~PalletEditor() = default;

void PalletEditor::buildCommands() {
    MemoryEditor::buildCommands(
        "PAL",
        blockTransfers({QT_TRANSLATE_NOOP("Menu", "Pallet send"), "Pallet send", "PALSend",
                        QT_TRANSLATE_NOOP("Menu", "Pallet receive"), "PALReceive",
                        QT_TRANSLATE_NOOP("Menu", "Pallet initialize")},
                       TransferPallet),
        ParameterStartQuestion,
        teachButton(
            "Teaching set", "PALTeach", "Tch", DataKind::Pallet,
            [this]() -> TeachTarget& { return *teach_; }, [this] { return data_.number; }),
        [this] { endEditor(); });
    picturesOnly();
}

MemoryCompareKind<PalletData> PalletEditor::compareKind() {
    return BlockCompareKind(
        &PalletData::number, &PalletData::fields, TransferPallet, PalletDifferences, "Pallet send",
        PalletFieldName(kPalletNumberField), [this](int field) {
            // The section numbers are fields below the grid.
            if (const int row = PalletFieldRow(field); row >= 0) {
                grid_->setCurrentIndex(model_->index(row, PalletFieldColumn(field)));
            } else {
                grid_->clearSelection();
                (field == PalletXPartitions ? xSections_ : ySections_)->selectAll();
            }
        });
}

void PalletEditor::buildCentre() {
    QVBoxLayout* layout = centreLayout();
    QWidget* centre = layout->parentWidget();

    const auto makeField = [&](const char* name, std::string& field, int which) {
        auto* edit = new QLineEdit(centre);
        edit->setObjectName(name);
        edit->setValidator(new Cp1252Validator(edit));
        connect(edit, &QLineEdit::textChanged, this, [this, edit, &field, which] {
            if (!showing_) fieldEdited(edit, field, which);
        });
        return edit;
    };
    number_ = makeField("PalletNo", data_.number, kPalletNumberField);
    xSections_ = makeField("XSection", data_.fields[PalletXPartitions], PalletXPartitions);
    ySections_ = makeField("YSection", data_.fields[PalletYPartitions], PalletYPartitions);

    auto* top = new QFormLayout;
    top->addRow(new QLabel(tr("PALLET No."), centre), number_);
    layout->addLayout(top);

    grid_ = new QTableView(centre);
    grid_->setObjectName("PALGRID");
    grid_->setModel(model_);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The three points share the height there is, so that none is cut at a larger font.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    grid_->setCurrentIndex(model_->index(0, 0));
    watchGrid(grid_, {});
    layout->addWidget(grid_, 1);

    auto* sections = new QHBoxLayout;
    sections->addWidget(new QLabel(tr("X section number"), centre));
    sections->addWidget(xSections_);
    sections->addWidget(new QLabel(tr("Y section number"), centre));
    sections->addWidget(ySections_);
    layout->addLayout(sections);
    // Tab as the window reads: the number, the points, then the sections below them.
    setTabOrder(number_, grid_);
    setTabOrder(grid_, xSections_);
    setTabOrder(xSections_, ySections_);
}

void PalletEditor::fieldEdited(QLineEdit* edit, std::string& field, int which) {
    std::string bytes;
    if (!Cp1252::encode(edit->text(), bytes)) return;  // the validator lets none through
    if (const std::string refusal =
            ValueRefusal(bytes, PalletFieldLength(which), PalletFieldName(which));
        !refusal.empty()) {
        // Refused as typed: the field shows what it holds.
        prompter().notify(refusal, QT_TRANSLATE_NOOP("Message", "Input"));
        showing_ = true;
        edit->setText(Cp1252::decode(field));
        showing_ = false;
        return;
    }
    editData(
        "Edit", [&](PalletData&) { field = bytes; }, FieldMergeKey(which));
}

bool PalletEditor::cellEdited(int row, int column, const std::string& bytes) {
    const int f = PalletCellField(row, column);
    if (f < 0) return false;  // the grid takes no text where there is none
    const std::string refusal = ValueRefusal(bytes, PalletFieldLength(f), PalletFieldName(f));
    if (!refusal.empty()) {
        prompter().notify(refusal, QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    editData("Edit", [&](PalletData& d) { PalletCell(d, row, column) = bytes; });
    return true;
}

void PalletEditor::shown() {
    showing_ = true;
    number_->setText(Cp1252::decode(data_.number));
    xSections_->setText(Cp1252::decode(data_.fields[PalletXPartitions]));
    ySections_->setText(Cp1252::decode(data_.fields[PalletYPartitions]));
    showing_ = false;
    model_->replaced();
}

}  // namespace mivo
