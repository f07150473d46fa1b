#include "parameters/init_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "parameters/parameter_catalogue.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

// The procedures' caption and question (plain C++ there), marked here where they are shown.
constexpr const char* kCaptionText = QT_TRANSLATE_NOOP("mivo::InitDialog", "MIVO Editor [init]");
constexpr const char* kQuestionText =
    QT_TRANSLATE_NOOP("mivo::InitDialog", "Select robot No. to be initialized");
static_assert(std::string_view(kCaptionText) == kInitCaption);
static_assert(std::string_view(kQuestionText) == kRobotQuestion);

}  // namespace

InitDialog::InitDialog(QWidget* parent) : OpenerDialog(parent, kNoTitleButtons) {
    setObjectName("Tinit");
    setWindowTitle(tr(kCaptionText));
    question_ = "Select robot No. to be initialized.";
    label_ = new QLabel(tr("Select robot No. to be initialized."), this);
    label_->setObjectName("Label1");
    list_ = new QComboBox(this);
    list_->setObjectName("ComboBox1");
    for (const RobotSet& set : RobotSets()) list_->addItem(set.entry);
    list_->setCurrentText(RobotSetFor(kDefaultRobotNumber).entry);
    auto* yes = new QPushButton(tr("Yes"), this);
    yes->setObjectName("Yes");
    auto* no = new QPushButton(tr("No"), this);
    no->setObjectName("No");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &InitDialog::onYesClicked);
    connect(no, &QPushButton::clicked, this, &InitDialog::onNoClicked);
}

void InitDialog::openFor(QWidget* opener, const QString& text, bool showList,
                         std::function<void()> yes) {
    yesHandler_ = std::move(yes);
    // Shown translated where the translations know the question; the mode reads the English.
    question_ = text;
    label_->setText(tr(text.toUtf8().constData()));
    list_->setVisible(showList);
    showFor(opener);
}

QString InitDialog::question() const { return label_->text(); }

bool InitDialog::parameterMode() const { return question_.startsWith(kRobotQuestion); }

int InitDialog::robotNumber() const {
    bool ok = false;
    const int n = list_->currentText().left(2).toInt(&ok);
    return ok ? n : -1;
}

void InitDialog::onYesClicked() {
    if (yesHandler_)
        yesHandler_();
    else
        closeToOpener();
}

void InitDialog::onNoClicked() { closeToOpener(); }

void InitDialog::closeToOpener() {
    hide();
    giveBack();
}

}  // namespace mivo
