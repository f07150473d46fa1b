#include "steps/command_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "codepage/cp1252.h"
#include "shell/navigator.h"
#include "shell/window_style.h"
#include "steps/step_commands.h"
#include "steps/step_editor.h"

namespace mivo {

namespace {

constexpr const char* kBoxNames[8] = {"Xdata", "Ydata", "Zdata", "Rdata",
                                      "Xen2",  "Yen2",  "Xen3",  "Yen3"};
constexpr const char* kBoxCaptions[8] = {"X", "Y", "Z", "R", "X2", "Y2", "X3", "Y3"};

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    // An edit-style list: its text can differ from its items (an opened step shows its own
    // wording) and can be emptied, which OK refuses.
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumWidth(330);
    return list;
}

}  // namespace

CommandDialog::CommandDialog(Prompter* prompter, const Navigator& navigator,
                             TeachScreenAccess* teach, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      navigator_(navigator),
      teachScreen_(teach),
      teach_(
          QT_TRANSLATE_NOOP("Message", "Step position teach"), [this] { return positions(); },
          [this](const TeachTexts& taught, const std::string&) { writePositions(taught); }) {
    setObjectName("Tcommand");
    setWindowTitle(tr("MIVO Editor [Command Select]"));
    build();
    resetDialog();
}

void CommandDialog::build() {
    auto* grid = new QGridLayout(this);

    grid->addWidget(new QLabel(tr("Select command"), this), 0, 0);
    sentaku_ = MakeList(this, "SENTAKU");
    for (const auto& c : CommandItems()) sentaku_->addItem(tr(c.item));
    grid->addWidget(sentaku_, 0, 1, 1, 3);
    connect(sentaku_, &QComboBox::activated, this, &CommandDialog::commandChosen);

    // The six operation lists share one place; one is shown at a time.
    const auto& commands = CommandItems();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        QComboBox* list = MakeList(this, commands[i].listName);
        for (const auto& op : commands[i].operations) list->addItem(tr(op.item));
        grid->addWidget(list, 1, 1, 1, 3);
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { operationChosen(list, index); });
        lists_[i] = list;
    }

    speedLabel_ = new QLabel(tr(kCaptionRate), this);
    speedLabel_->setObjectName("sokudoLabel");
    speed_ = new QLineEdit(this);
    speed_->setObjectName("sokudo");
    speed_->setMaxLength(3);
    grid->addWidget(speedLabel_, 2, 0);
    grid->addWidget(speed_, 2, 1);
    jumpLabel_ = new QLabel(tr("Jump-to"), this);
    jumpLabel_->setObjectName("jumpsakiLabel");
    jumpTarget_ = new QLineEdit(this);
    jumpTarget_->setObjectName("jumpsaki");
    jumpTarget_->setMaxLength(3);
    grid->addWidget(jumpLabel_, 2, 2);
    grid->addWidget(jumpTarget_, 2, 3);

    for (int i = 0; i < 8; ++i) {
        boxLabels_[i] = new QLabel(kBoxCaptions[i], this);
        boxLabels_[i]->setObjectName(QString(kBoxNames[i]) + "Label");
        boxes_[i] = new QLineEdit(this);
        boxes_[i]->setObjectName(kBoxNames[i]);
        const int row = 3 + i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(boxLabels_[i], row, column);
        grid->addWidget(boxes_[i], row, column + 1);
    }

    commentLabel_ = new QLabel(tr("Comment"), this);
    grid->addWidget(commentLabel_, 7, 0);
    comment_ = new QLineEdit(this);
    comment_->setObjectName("comento");
    comment_->setMaxLength(128);
    grid->addWidget(comment_, 7, 1, 1, 3);

    // Enter in any edit box confirms like OK; no button is a default button, so Enter is
    // handled once.
    for (QLineEdit* e : {speed_, jumpTarget_, comment_})
        connect(e, &QLineEdit::returnPressed, this, &CommandDialog::okClicked);
    for (QLineEdit* e : boxes_)
        connect(e, &QLineEdit::returnPressed, this, &CommandDialog::okClicked);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("OK");
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("Cancel");
    teaching_ = new QPushButton(tr("Teaching"), this);
    teaching_->setObjectName("Teaching");
    for (QPushButton* b : {ok_, cancel_, teaching_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        buttons->addWidget(b);
    }
    connect(ok_, &QPushButton::clicked, this, &CommandDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &CommandDialog::cancelClicked);
    connect(teaching_, &QPushButton::clicked, this, &CommandDialog::teachingClicked);
    grid->addLayout(buttons, 8, 0, 1, 4);
}

TeachPositions CommandDialog::positions() const {
    // The boxes X .. Y3 are in the teaching screen's field order.
    TeachPositions p;
    std::string bytes;
    for (int i = 0; i < kTeachFieldCount; ++i)
        if (Cp1252::encode(boxes_[i]->text(), bytes)) p.texts[static_cast<std::size_t>(i)] = bytes;
    // The teaching screen always shows X, Y, Z and R; the second and third points as here.
    p.shown = kTeachFirstPoint | (shownBoxes() & kTeachOtherPoints);
    return p;
}

void CommandDialog::writePositions(const TeachTexts& taught) {
    for (int i = 0; i < kTeachFieldCount; ++i)
        boxes_[i]->setText(Cp1252::decode(taught[static_cast<std::size_t>(i)]));
}

void CommandDialog::applyShown(unsigned shown) {
    for (int i = 0; i < 8; ++i) {
        const bool on = (shown & (1u << i)) != 0;
        boxes_[i]->setHidden(!on);
        boxLabels_[i]->setHidden(!on);
    }
    speed_->setHidden(!(shown & BoxV));
    speedLabel_->setHidden(!(shown & BoxV));
    jumpTarget_->setHidden(!(shown & BoxJ));
    jumpLabel_->setHidden(!(shown & BoxJ));
}

unsigned CommandDialog::shownBoxes() const {
    unsigned shown = 0;
    for (int i = 0; i < 8; ++i)
        if (!boxes_[i]->isHidden()) shown |= 1u << i;
    if (!speed_->isHidden()) shown |= BoxV;
    if (!jumpTarget_->isHidden()) shown |= BoxJ;
    return shown;
}

void CommandDialog::emptyPositions() {
    for (QLineEdit* e : boxes_) e->clear();
    jumpTarget_->clear();
}

void CommandDialog::setValueCaption(const char* caption) { speedLabel_->setText(tr(caption)); }

void CommandDialog::showOperationList(int commandNumber) {
    for (int i = 0; i < 6; ++i) lists_[i]->setHidden(i != commandNumber);
    QComboBox* list = lists_[commandNumber];
    list->setCurrentIndex(0);
    list->setEditText(list->itemText(0));
}

void CommandDialog::commandChosen(int index) {
    const QString item = sentaku_->itemText(index);
    const int number = item.isEmpty() ? 0 : item[0].digitValue();
    if (number < 0 || number > 5) return;
    command_ = "POI";
    code_ = "0";
    speed_->setText("100");
    setValueCaption(kCaptionRate);
    emptyPositions();
    applyShown(BoxX | BoxY | BoxZ | BoxV);

    command_ = CommandItems()[static_cast<std::size_t>(number)].mnemonic;
    showOperationList(number);
    const CommandLayout layout = LayoutForCommand(number);
    applyShown(layout.shown);
    setValueCaption(layout.valueCaption);
    speed_->setText(layout.valueText);
}

void CommandDialog::operationChosen(QComboBox* list, int index) {
    int number = -1;
    for (int i = 0; i < 6; ++i)
        if (lists_[i] == list) number = i;
    if (number < 0) return;
    const std::string mnemonic = CommandItems()[static_cast<std::size_t>(number)].mnemonic;
    emptyPositions();
    code_ = CodeOfItem(mnemonic, list->itemText(index).toStdString());
    const OperationLayout layout = LayoutForOperation(mnemonic, code_);
    speed_->setText(layout.valueText);
    if (layout.valueCaption) setValueCaption(layout.valueCaption);
    if (!layout.keepShown) applyShown(layout.shown);
}

void CommandDialog::openStep(StepEditor* editor, int step) {
    if (!editor || step < 0 || step >= kStepCount) return;
    editor_ = editor;
    step_ = step;
    CircleFlags flags;
    const StepValues v = ReadStep(editor->table(), step, &flags);

    int number = CommandNumber(v.command);
    if (number < 0) number = 0;
    const CommandItem& command = CommandItems()[static_cast<std::size_t>(number)];
    command_ = command.mnemonic;
    sentaku_->setCurrentIndex(number);
    sentaku_->setEditText(tr(command.openText));
    showOperationList(number);
    CommandLayout commandLayout = LayoutForCommand(number);
    applyShown(commandLayout.shown);

    // The item of the code, with the wording an opened step shows; a code without an item
    // shows the first one.
    QComboBox* list = lists_[number];
    int opIndex = 0;
    for (std::size_t i = 0; i < command.operations.size(); ++i)
        if (v.code == command.operations[i].code) opIndex = static_cast<int>(i);
    const OperationItem& op = command.operations[static_cast<std::size_t>(opIndex)];
    code_ = op.code;
    list->setCurrentIndex(opIndex);
    list->setEditText(tr(op.openText ? op.openText : op.item));
    const OperationLayout opLayout = LayoutForOperation(command_, code_);
    if (!opLayout.keepShown) applyShown(opLayout.shown);

    if (command_ == "SEQ")
        setValueCaption(code_ == "4" ? kCaptionTimer : kCaptionPort);
    else if (command_ == "PAL")
        setValueCaption(kCaptionPallet);
    else
        setValueCaption(kCaptionRate);
    speed_->setText(Cp1252::decode(v.value));

    const std::string* positions[8] = {&v.x, &v.y, &v.z, &v.r, &v.x2, &v.y2, &v.x3, &v.y3};
    for (int i = 0; i < 8; ++i) boxes_[i]->setText(Cp1252::decode(*positions[i]));
    jumpTarget_->setText(Cp1252::decode(v.jump));
    comment_->setText(Cp1252::decode(v.comment));
    flags_ = command_ == "CIR" ? flags : CircleFlags{};

    ShowOver(this, editor);
}

void CommandDialog::resetDialog() {
    for (QComboBox* list : lists_) {
        list->setCurrentIndex(0);
        list->setEditText(list->itemText(0));
    }
    showOperationList(0);
    sentaku_->setCurrentIndex(0);
    sentaku_->setEditText(tr(CommandItems()[0].openText));
    command_ = "POI";
    code_ = "0";
    speed_->setText("100");
    setValueCaption(kCaptionRate);
    emptyPositions();
    comment_->clear();
    applyShown(BoxX | BoxY | BoxZ | BoxV);
    flags_ = {};
}

}  // namespace mivo
