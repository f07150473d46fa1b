#include "offsets/offset_editor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "common/said_text.h"
#include "link/controller_link.h"
#include "offsets/offset_transfer.h"
#include "parameters/parameter_rules.h"
#include "procedures/program_control.h"
#include "shell/cell_grid_model.h"
#include "shell/cp1252_validator.h"

namespace mivo {

namespace {

// The program number field, as undo merges the keys typed into it.
constexpr int kProgramMergeKey = 1;
constexpr int kTitleWidth = 87;
constexpr int kColumnWidth = 64;
constexpr const char* kCaption = QT_TRANSLATE_NOOP("mivo::OffsetEditor", "MIVO Editor [Offset]");

std::string OffsetStartQuestion(const std::string& number) {
    return Filled(UI_TEXT("Message", "PGM %1 will be started.  OK?"), {number});
}

}  // namespace

OffsetEditor::OffsetEditor(const EditorLinks& links, QWidget* parent)
    : MemoryEditor(links,
                   {DataKind::Offset, OffsetFileKind(), "Toffset", kCaption, OffsetFileText,
                    ConvertOffsetFile, QT_TRANSLATE_NOOP("Message", "Is new programming executed?"),
                    QT_TRANSLATE_NOOP("Message", "Offset contents"),
                    [](OffsetData& d) { d.values.fill(kOffsetInitial); }},
                   parent) {
    setCaption(tr(kCaption));
    setFixedWrittenSize({480, 240});
    model_ = new CellGridModel(
        {tr("Offset value")}, {"     X", "     Y", "     Z", "     R"},
        {[this](int, int axis) { return data_.values[static_cast<std::size_t>(axis)]; },
         [this](int, int axis, const std::string& bytes) { return cellEdited(axis, bytes); }},
        prompter(), this);
    teachBy(
        QT_TRANSLATE_NOOP("Message", "Offset position teach"),
        [](const OffsetData&) { return TeachPositions{}; }, "Teaching set", WriteTaughtOffsets);
    setCompare(compareKind());
    buildCommands();
    buildCentre();
    shown();
}

OffsetEditor::~OffsetEditor() = default;

void OffsetEditor::buildCommands() {
    // The send button's hint is its question.
    MemoryEditor::buildCommands(
        "OFF",
        blockTransfers({QT_TRANSLATE_NOOP("Menu", "Offset send"), "Is offset sending executed?",
                        "OFFSend", QT_TRANSLATE_NOOP("Menu", "Offset receive"), "OFFReceive",
                        QT_TRANSLATE_NOOP("Menu", "Offset initialize")},
                       TransferOffsets),
        OffsetStartQuestion,
        teachButton("Teaching set", "OFFTeach", "Tch", DataKind::Offset,
                    [this]() -> TeachTarget& { return *teach_; }),
        [this] { initialScreenMove(); }, [this] { endEditor(); });
    picturesOnly();
}

MemoryCompareKind<OffsetData> OffsetEditor::compareKind() {
    return BlockCompareKind(&OffsetData::program, &OffsetData::values, TransferOffsets,
                            OffsetDifferences, "Offset send", OffsetFieldName(kOffsetProgramField),
                            [this](int axis) { grid_->setCurrentIndex(model_->index(0, axis)); });
}

void OffsetEditor::buildCentre() {
    QVBoxLayout* layout = centreLayout();
    QWidget* centre = layout->parentWidget();

    program_ = new QLineEdit(centre);
    program_->setObjectName("PgmNo");
    program_->setMaxLength(static_cast<int>(OffsetFieldLength(kOffsetProgramField)));
    program_->setValidator(new Cp1252Validator(program_));
    connect(program_, &QLineEdit::textChanged, this, [this] {
        if (showing_) return;
        std::string bytes;
        if (!Cp1252::encode(program_->text(), bytes)) return;  // the validator lets none through
        editData(
            "Edit", [&](OffsetData& d) { d.program = bytes; }, kProgramMergeKey);
    });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("PgmNo."), centre));
    top->addWidget(program_);
    top->addStretch(1);
    layout->addLayout(top);

    grid_ = new QTableView(centre);
    grid_->setObjectName("OFFGRID");
    grid_->setModel(model_);
    // The row title reads whole ("Offset value" in 87).
    grid_->verticalHeader()->setFixedWidth(
        std::max(kTitleWidth, grid_->verticalHeader()->sizeHint().width()));
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    grid_->setCurrentIndex(model_->index(0, 0));
    watchGrid(grid_, std::vector<int>(kAxisCount, kColumnWidth));
    layout->addWidget(grid_, 1);
}

bool OffsetEditor::cellEdited(int axis, const std::string& bytes) {
    const std::string refusal = ValueRefusal(bytes, OffsetFieldLength(axis), OffsetFieldName(axis));
    if (!refusal.empty()) {
        prompter().notify(refusal, QT_TRANSLATE_NOOP("Message", "Input"));
        return false;
    }
    editData("Edit", [&](OffsetData& d) { d.values[static_cast<std::size_t>(axis)] = bytes; });
    return true;
}

void OffsetEditor::shown() {
    showing_ = true;
    program_->setText(Cp1252::decode(data_.program));
    showing_ = false;
    model_->replaced();
}

void OffsetEditor::initialScreenMove() {
    offerToSave();
    setModified(false);
    endEditor();
    if (ControllerLink* link = links().link; link && link->isOnline()) link->requestOffline();
}

}  // namespace mivo
