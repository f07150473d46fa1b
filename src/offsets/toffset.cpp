#include "offsets/toffset.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "link/tbuff.h"
#include "offsets/offset_transfer.h"
#include "parameters/parameter_rules.h"
#include "procedures/program_control.h"
#include "procedures/prompter.h"
#include "shell/cp1252.h"
#include "shell/screens.h"

namespace mivo {

namespace {

const char* const kColumnTitles[kAxisCount] = {"     X", "     Y", "     Z", "     R"};
constexpr int kTitleWidth = 87;
constexpr int kColumnWidth = 64;
const char* const kContentsCaption = "Offset contents";

std::string OffsetStartQuestion(const std::string& number) {
    return "PGM " + number + " will be started.  OK?";
}

}  // namespace

// OFFGRID: the row "Offset value" with the four axes over the offset data.
class OffsetGridModel : public QAbstractTableModel {
  public:
    OffsetGridModel(OffsetData& data, Prompter& prompter, std::function<void()> edited,
                    QObject* parent)
        : QAbstractTableModel(parent), data_(data), prompter_(prompter), edited_(edited) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kAxisCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        return Cp1252::decode(data_.values[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (o == Qt::Vertical) return section == 0 ? QString("Offset value") : QVariant();
        return section >= 0 && section < kAxisCount ? QString(kColumnTitles[section]) : QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole) return false;
        std::string bytes;
        QChar bad;
        if (!Cp1252::encode(value.toString(), bytes, &bad)) {
            prompter_.notify(Cp1252::encode(Cp1252::unstorableMessage(bad)), "Input");
            return false;
        }
        const int axis = index.column();
        const std::string refusal =
            ValueRefusal(bytes, OffsetFieldLength(axis), OffsetFieldName(axis));
        if (!refusal.empty()) {
            prompter_.notify(refusal, "Input");
            return false;
        }
        data_.values[static_cast<std::size_t>(axis)] = std::move(bytes);
        emit dataChanged(index, index);
        edited_();
        return true;
    }
    void replaced() {
        beginResetModel();
        endResetModel();
    }

  private:
    OffsetData& data_;
    Prompter& prompter_;
    std::function<void()> edited_;
};

Toffset::Toffset(Screens& screens, QWidget* parent)
    : EditorFrame(screens, DataKind::Offset, OffsetFileKind(), parent) {
    setObjectName("Toffset");
    setCaption("MIVO Editor [Offset]");
    // Opens at its written size, centred; at most that size, minimised but not maximised.
    setWrittenSize({480, 240});
    setMinimumSize(0, 0);
    setMaximumSize(480, 240);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    model_ = new OffsetGridModel(
        data_, prompter(), [this] { setModified(true); }, this);
    buildCommands();
    buildCentre();
    dataChanged();
}

Toffset::~Toffset() = default;

void Toffset::buildCommands() {
    buildToolBar({
        {"New programming", "OFFNew", "New", false, [this] { newProgramming(); }},
        {"Open", "OFFOpen", "Opn", false, [this] { openFile(); }},
        {"Save", "OFFSave", "Sav", false, [this] { saveFile(); }},
        {"Print", "OFFPrint", "Prn", false, {}},  // comes with the listings
        // The send button's hint is its question.
        {"Is offset sending executed?", "OFFSend", "Snd", true, [this] { sendOffsets(); }},
        {"Offset receive", "OFFReceive", "Rcv", true, [this] { receiveOffsets(); }},
        {"Return to origin", "OFFOrigin", "Org", true, [this] { returnToOrigin(); }},
        {"Program execute", "OFFRun", "Run", true, [this] { executeProgram(); }},
        {"Motor free", "OFFFree", "MF", true, [this] { motorFree(); }},
        {"Teaching set", "OFFTeach", "Tch", true, {}},  // comes with teaching
        {"Initial screen move", "OFFEnd", "End", false, [this] { initialScreenMove(); }},
    });
    addMenu("File", {
                        {"New programming", "MenuNew", "New programming"},
                        {"Open", "MenuOpen", "Open"},
                        {"Save", "MenuSave", "Save"},
                        {"Print", "MenuPrint", "Print"},
                        {"End", "MenuEnd", nullptr, [this] { endOffsets(); }},
                    });
    addMenu("Communication",
            {
                {"Offset send", "MenuSend", "Is offset sending executed?", {}, true},
                {"Offset receive", "MenuReceive", "Offset receive", {}, true},
                {"Offset initialize", "MenuInit", nullptr, [this] { initializeOffsets(); }, true},
                {nullptr},
                {"Return to origin", "MenuOrigin", "Return to origin", {}, true},
                {"Program execute", "MenuRun", "Program execute", {}, true},
                {"Motor free", "MenuFree", "Motor free", {}, true},
            });
    addMenu("Display", {
                           {"Step", "MenuStep", nullptr,
                            [this] { showScreenFromMenu(screens().tmmain, false); }},
                           {"Parameter", "MenuParameter", nullptr,
                            [this] { showScreenFromMenu(screens().tparameter, false); }},
                           {"Pallet", "MenuPallet", nullptr,
                            [this] { showScreenFromMenu(screens().tpalet, false); }},
                           {"Direct", "MenuDirect", nullptr,
                            [this] { showScreenFromMenu(screens().tdirect, true); }},
                       });
    // Pictures alone: at this narrow width the words beside them would push the line switch
    // out of sight.
    if (auto* bar = findChild<QToolBar*>("ToolBar1"))
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void Toffset::buildCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 2, 4, 4);

    program_ = new QLineEdit(centre);
    program_->setObjectName("PgmNo");
    program_->setMaxLength(static_cast<int>(OffsetFieldLength(kOffsetProgramField)));
    program_->setValidator(new Cp1252Validator(program_));
    connect(program_, &QLineEdit::textChanged, this, [this] {
        if (showing_) return;
        std::string bytes;
        if (!Cp1252::encode(program_->text(), bytes)) return;  // the validator lets none through
        data_.program = std::move(bytes);
        setModified(true);
    });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("PgmNo.", centre));
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
    setCentralWidget(centre);
}

void Toffset::dataChanged() {
    showing_ = true;
    program_->setText(Cp1252::decode(data_.program));
    showing_ = false;
    model_->replaced();
}

void Toffset::closeEvent(QCloseEvent* event) {
    transferLog().clear();
    EditorFrame::closeEvent(event);
}

std::string Toffset::fileContent() const { return OffsetFileText(data_); }

bool Toffset::convertFile(int, std::string_view content, Prompter& prompter) {
    return ConvertOffsetText(data_, content, prompter);
}

void Toffset::fileOpened() { dataChanged(); }

void Toffset::newProgramming() {
    offerToSave();
    if (!prompter().ask("Is new programming executed?", kContentsCaption)) return;
    setModified(false);
    data_.values.fill(kOffsetInitial);
    transferLog().clear();
    forgetFile();
    dataChanged();
}

OffsetTarget Toffset::offsetTarget() {
    return {data_, [this] { setModified(true); }, [this] { dataChanged(); },
            [this] { return onlineShown(); }};
}

void Toffset::sendOffsets() {
    runProcedure([this](ProcedureContext& ctx) { SendOffsets(ctx, offsetTarget()); });
}

void Toffset::receiveOffsets() {
    runProcedure([this](ProcedureContext& ctx) { ReceiveOffsets(ctx, offsetTarget()); });
}

void Toffset::initializeOffsets() {
    runProcedure([this](ProcedureContext& ctx) { InitializeOffsets(ctx, offsetTarget()); });
}

void Toffset::returnToOrigin() { runReturnToOrigin(); }

void Toffset::executeProgram() { runExecuteProgram(OffsetStartQuestion); }

void Toffset::motorFree() { runMotorFree(); }

void Toffset::initialScreenMove() {
    offerToSave();
    setModified(false);
    endOffsets();
    if (TBuff* link = screens().tbuff; link && link->isOnline()) link->requestOffline();
}

void Toffset::endOffsets() {
    transferLog().clear();
    endEditor();
}

void Toffset::showScreenFromMenu(QWidget* screen, bool refusedWhileOperating) {
    if (!refusedWhileOperating) transferLog().clear();
    showScreen(screen, refusedWhileOperating);
}

}  // namespace mivo
