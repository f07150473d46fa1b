#include "teach/tteach.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "direct/direct_commands.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/jog_button.h"
#include "direct/tdirect_panel.h"
#include "link/tbuff.h"
#include "shell/cp1252.h"
#include "shell/screens.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"
#include "teach/opener_moves.h"
#include "teach/teach_commands.h"
#include "teach/treadoff.h"

namespace mivo {

// The transfer dialogs as the teaching screen's commands use them: each exchange shows the
// cancel dialog, "Transferring" / "Cancel" for a data exchange and "Operating" / "Stop
// operation" for a motion. Not while a jog button is held: the dialog would take the focus
// from the button, and losing it ends the hold.
class TeachTransfer : public TransferView {
  public:
    TeachTransfer(TransferView& base, std::function<bool()> showing)
        : base_(base), showing_(std::move(showing)) {}

    void setCancelTexts(const std::string& label, const std::string& button) override {
        base_.setCancelTexts(label, button);
    }
    void showCancel() override { base_.showCancel(); }
    void hideCancel() override { base_.hideCancel(); }
    void setDataExchange(bool on) override {
        base_.setDataExchange(on);
        if (!showing_()) return;
        if (motorStop)
            base_.setCancelTexts("MSTOP send", "Cancel");
        else
            base_.setCancelTexts(on ? "Transferring" : "Operating",
                                 on ? "Cancel" : "Stop operation");
        base_.showCancel();
    }
    void showProgress(int maximum) override { base_.showProgress(maximum); }
    void setProgress(int position) override { base_.setProgress(position); }
    void hideProgress() override { base_.hideProgress(); }
    bool cancelRequested() const override { return base_.cancelRequested(); }
    void setCancelRequested(bool on) override { base_.setCancelRequested(on); }

    bool motorStop = false;  // the MSTOP panel's exchange: "MSTOP send" / "Cancel"

  private:
    TransferView& base_;
    std::function<bool()> showing_;
};

namespace {

struct Jog {
    const char* name;
    const char* caption;
    TeachField field;  // the axis's field: the button shows with it
};
constexpr Jog kJogs[] = {{"X1", "X+", TeachX}, {"X2", "X-", TeachX}, {"Y1", "Y+", TeachY},
                         {"Y2", "Y-", TeachY}, {"Z1", "Z+", TeachZ}, {"Z2", "Z-", TeachZ},
                         {"R1", "R+", TeachR}, {"R2", "R-", TeachR}};

struct Position {
    const char* name;
    const char* caption;
};
constexpr Position kPositions[kTeachFieldCount] = {
    {"Xposi", "X Position"},   {"Yposi", "Y Position"},   {"Zposi", "Z Position"},
    {"Rposi", "R Position"},   {"X2posi", "X2 Position"}, {"Y2posi", "Y2 Position"},
    {"X3posi", "X3 Position"}, {"Y3posi", "Y3 Position"}};

}  // namespace

Tteach::Tteach(Screens& screens, QWidget* parent) : QWidget(parent, Qt::Window), screens_(screens) {
    setObjectName("Tteach");
    setWindowTitle("MIVO Editor [Teach]");
    transfer_ = std::make_unique<TeachTransfer>(
        *screens_.transfer, [this] { return running_ > 0 && !anyHeld() && isVisible(); });
    session_ = std::make_unique<DirectSession>(screens_.tbuff->directChannel(), *screens_.prompter,
                                               *transfer_, *this);
    mainContext_ = std::make_unique<ProcedureContext>(ProcedureContext{
        screens_.tbuff->mainChannel(), *screens_.prompter, *screens_.transfer, mainLog_});
    build();
    restoreLayout();
    setControlsEnabled(false);

    TBuff* link = screens_.tbuff;
    // A jog moving until its release is stopped before the line goes.
    connect(link, &TBuff::directClosing, this, [this] {
        for (JogButton* b : jogs_) b->endHold();
    });
    // The editors' line went off: nothing here can reach the controller any more.
    connect(link, &TBuff::onlineChanged, this, [this](bool online) {
        if (!online && isVisible()) setControlsEnabled(false);
    });
    connect(link, &TBuff::directOnlineChanged, this, [this](bool online) {
        if (!online && !closing_ && isVisible()) showLine(false);
    });
}

Tteach::~Tteach() = default;

void Tteach::build() {
    heading_ = new QLabel;
    heading_->setObjectName("Label1");
    QFont big = heading_->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    heading_->setFont(big);
    heading_->setAlignment(Qt::AlignCenter);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName("Memo1");
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(2000);
    log_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(buildTeach());
    layout->addWidget(buildPositions());
    layout->addWidget(buildButtons());
}

QWidget* Tteach::buildTeach() {
    auto* group = new QGroupBox("Teach command");
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    grid->setSpacing(3);
    for (std::size_t i = 0; i < jogs_.size(); ++i) {
        const Jog& j = kJogs[i];
        auto* b = new JogButton(j.name, j.caption);
        b->setToolTip(QString("Teach move : ") + j.caption);
        jogs_[i] = b;
        const JogAxis axis = *JogAxisNamed(j.caption);
        // Mode 1 moves once per click (or space key); modes 2 and 3 from press to release.
        connect(b, &QPushButton::pressed, this, [this, b, axis] {
            if (jogMode() == 1) return;
            b->beginHold();
            run([this, axis] { return JogPress(*session_, axis, TeachJogStyle()); });
        });
        connect(b, &JogButton::holdEnded, this,
                [this] { run([this] { return JogRelease(*session_); }); });
        connect(b, &QPushButton::clicked, this, [this, axis] {
            if (jogMode() != 1) return;
            run([this, axis] { return JogPress(*session_, axis, TeachJogStyle()); });
        });
        grid->addWidget(b, static_cast<int>(i % 2), static_cast<int>(i / 2));
    }
    const char* modes[] = {"1(Quantitative movement)", "2(Slow movement)", "3(Fast movement)"};
    auto* modeBox = new QHBoxLayout;
    for (int m = 0; m < 3; ++m) {
        auto* r = new QRadioButton(modes[m]);
        r->setObjectName(QString("RadioButton%1").arg(m + 1));
        r->setChecked(m == 0);
        modes_[static_cast<std::size_t>(m)] = r;
        modeBox->addWidget(r);
    }
    grid->addLayout(modeBox, 2, 0, 1, 4);
    return group;
}

QWidget* Tteach::buildPositions() {
    auto* group = new QGroupBox("Position");
    group->setObjectName("GroupBox2");
    auto* grid = new QGridLayout(group);
    for (int f = 0; f < kTeachFieldCount; ++f) {
        auto* label = new QLabel(kPositions[f].caption);
        auto* edit = new QLineEdit;
        edit->setObjectName(kPositions[f].name);
        edit->setReadOnly(true);
        labels_[static_cast<std::size_t>(f)] = label;
        fields_[static_cast<std::size_t>(f)] = edit;
        // X, Y, Z, R in the first two rows; the second and third points below.
        const int row = f < 4 ? 0 : 2 + (f - 4) / 2 * 2;
        const int column = f < 4 ? f : (f - 4) % 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row + 1, column);
    }
    return group;
}

QWidget* Tteach::buildButtons() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* panels = new QHBoxLayout;
    org_ = new QPushButton("ORG");
    org_->setObjectName("ORG");
    org_->setToolTip("Return to origin");
    connect(org_, &QPushButton::clicked, this,
            [this] { run([this] { return TeachReturnToOrigin(*session_); }); });
    stop_ = new DirectPanel("STOP", "STOP", "Stop command", DirectPanel::kStop, true);
    mstop_ = new DirectPanel("MSTOP", "MSTOP", "Motor free", DirectPanel::kMotorStop, true);
    lineUsable_ = new DirectPanel("CancelButton", "Cancel", "Communication cancel",
                                  DirectPanel::kCancel, true);
    lineUsable_->hide();
    connect(stop_, &QPushButton::clicked, this,
            [this] { run([this] { return StopPanel(*session_); }); });
    connect(mstop_, &QPushButton::clicked, this, [this] {
        run([this] {
            transfer_->motorStop = true;
            const Outcome o = MotorStopPanel(*session_);
            transfer_->motorStop = false;
            return o;
        });
    });
    panels->addWidget(org_);
    for (DirectPanel* p : {stop_, mstop_}) {
        p->setMinimumHeight(36);
        QFont f = p->font();
        f.setBold(true);
        p->setFont(f);
        panels->addWidget(p);
    }
    panels->addWidget(lineUsable_);
    layout->addLayout(panels);

    pointGroup_ = new QGroupBox("Circle,Pallet position");
    pointGroup_->setObjectName("GroupBox3");
    auto* points = new QHBoxLayout(pointGroup_);
    goMove_ = new QPushButton("GO move");
    goMove_->setObjectName("Button3");
    connect(goMove_, &QPushButton::clicked, this, [this] {
        run([this] { return TeachGoMove(*session_, GoMoveCommand(opener_, number_, point())); });
    });
    points->addWidget(goMove_);
    for (int p = 0; p < 3; ++p) {
        auto* r = new QRadioButton(QString("Pos %1").arg(p + 1));
        r->setObjectName(QString("Pos%1").arg(p + 1));
        r->setChecked(p == 0);
        points_[static_cast<std::size_t>(p)] = r;
        points->addWidget(r);
    }
    layout->addWidget(pointGroup_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton("OK");
    ok_->setObjectName("Button1");
    cancel_ = new QPushButton("Cancel");
    cancel_->setObjectName("Button2");
    connect(ok_, &QPushButton::clicked, this, &Tteach::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &Tteach::cancelClicked);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    return box;
}

void Tteach::restoreLayout() {
    for (JogButton* b : jogs_) b->show();
    for (int f = 0; f < kTeachFieldCount; ++f) {
        const bool firstPoint = f < 4;
        labels_[static_cast<std::size_t>(f)]->setVisible(firstPoint);
        fields_[static_cast<std::size_t>(f)]->setVisible(firstPoint);
    }
    pointGroup_->hide();
    points_[0]->setChecked(true);
    // Each opening starts with one fixed move per press, never with the fast mode left on.
    modes_[0]->setChecked(true);
}

void Tteach::preset(const TeachPositions& positions) {
    restoreLayout();
    for (int f = 0; f < kTeachFieldCount; ++f) {
        const bool shown = positions.shown & TeachBit(static_cast<TeachField>(f));
        const auto i = static_cast<std::size_t>(f);
        fields_[i]->setText(Cp1252::decode(positions.texts[i]));
        fields_[i]->setVisible(shown);
        labels_[i]->setVisible(shown);
    }
    // ZI teaching: only the axes shown are jogged.
    for (std::size_t i = 0; i < jogs_.size(); ++i)
        jogs_[i]->setVisible(positions.shown & TeachBit(kJogs[i].field));
    const bool otherPoints = positions.shown & kTeachOtherPoints;
    pointGroup_->setVisible(otherPoints && !GoMoveCommand(opener_, number_, 1).empty());
}

void Tteach::teachFor(TeachOpener opener, TeachTarget& target, const std::string& number,
                      QWidget* openerWindow) {
    opener_ = opener;
    target_ = &target;
    number_ = number;
    openerWindow_ = openerWindow;
    heading_->setText(Cp1252::decode(target.heading()));
    preset(target.preset());
    if (openerWindow_) openerWindow_->setEnabled(false);
    if (opener == TeachOpener::Offset) {
        if (!screens_.prompter->ask("The offset teaching value will be written to the program "
                                    "number set by the rotary switch. Perform offset teaching?",
                                    "Offset move")) {
            giveUp();
            return;
        }
        std::map<int, std::string> none;
        if (MoveForTeaching(mainContext(openerWindow_), OpenerMove(opener, number), none) !=
                Outcome::Completed ||
            !chooser_) {
            giveUp();
            return;
        }
        chooser_->openChooser();
        return;
    }
    showForTeaching();
    // The move runs on the main channel; the screen waits for it.
    setEnabled(false);
    std::map<int, std::string> positions;
    MoveForTeaching(mainContext(this), OpenerMove(opener, number), positions);
    setEnabled(true);
    showTaught(positions);
    // The move's questions belonged to the window active then: this screen goes in front again.
    raise();
    activateWindow();
}

ProcedureContext& Tteach::mainContext(QWidget* owner) {
    screens_.transfer->setOwner(owner);
    mainLog_.clear();
    return *mainContext_;
}

void Tteach::showTaught(const std::map<int, std::string>& byAxis) {
    for (const auto& [axis, value] : byAxis)
        if (axis >= 1 && axis <= 4)
            fields_[static_cast<std::size_t>(axis - 1)]->setText(Cp1252::decode(value));
}

void Tteach::clearPositions() {
    for (std::size_t f = 0; f < 4; ++f) fields_[f]->clear();
}

void Tteach::showForTeaching() {
    TBuff* link = screens_.tbuff;
    if (!link->isDirectOnline()) link->goDirectOnline();
    screens_.transfer->setOwner(this);
    // A window of its opener, so that it stays above it (the command-entry dialog too).
    const bool first = !isVisible();
    ShowOver(this, openerWindow_);
    if (first) CentreOnScreen(this);
    setControlsEnabled(link->isDirectOnline() && link->isOnline());
}

void Tteach::giveUp() {
    target_ = nullptr;
    if (openerWindow_) openerWindow_->setEnabled(true);
    openerWindow_ = nullptr;
}

void Tteach::setControlsEnabled(bool on) {
    for (EnableSet set :
         {EnableSet::CommandControls, EnableSet::StopPanels, EnableSet::CancelPanel})
        enable(set, on);
}

void Tteach::run(const std::function<Outcome()>& command) {
    screens_.transfer->setOwner(this);
    ++running_;
    command();
    if (--running_ == 0) screens_.transfer->hideCancel();
}

int Tteach::point() const {
    if (pointGroup_->isHidden()) return 1;
    for (int p = 0; p < 3; ++p)
        if (points_[static_cast<std::size_t>(p)]->isChecked()) return p + 1;
    return 1;
}

bool Tteach::anyHeld() const {
    for (const JogButton* b : jogs_)
        if (b->held()) return true;
    return false;
}

TeachTexts Tteach::taught() const {
    TeachTexts texts;
    for (std::size_t f = 0; f < texts.size(); ++f) texts[f] = Cp1252::encode(fields_[f]->text());
    return texts;
}

QString Tteach::positionText(TeachField f) const {
    return fields_[static_cast<std::size_t>(f)]->text();
}

QString Tteach::logText() const { return log_->toPlainText(); }

void Tteach::okClicked() {
    if (!target_) return;
    if (opener_ != TeachOpener::Offset) {
        target_->writeBack(taught());
        closeScreen();
        return;
    }
    OffsetReadBack out;
    run([&] { return TeachOffsetOk(*session_, lineUsable_->isEnabled(), out); });
    if (!out.sent || !target_) return;
    // The taught position is written first; the offsets read back take its place.
    TeachTexts texts = taught();
    for (int a = 0; a < out.read; ++a)
        texts[static_cast<std::size_t>(a)] = out.offsets[static_cast<std::size_t>(a)];
    target_->writeBack(texts, out.program);
    closeScreen();
}

void Tteach::cancelClicked() { closeScreen(); }

void Tteach::closeScreen() {
    closing_ = true;
    hide();
    screens_.tbuff->goDirectOffline();
    closing_ = false;
    restoreLayout();
    setControlsEnabled(false);
    giveUp();
}

void Tteach::closeEvent(QCloseEvent* event) {
    // Screens live for the whole run: closing is Cancel.
    event->ignore();
    cancelClicked();
}

void Tteach::append(const std::string& line) { log_->appendPlainText(Cp1252::decode(line)); }

void Tteach::enable(EnableSet set, bool on) {
    std::vector<QWidget*> members;
    switch (set) {
        case EnableSet::CommandControls:
            members = {org_, goMove_};
            [[fallthrough]];
        case EnableSet::JogButtons:
            for (JogButton* b : jogs_) {
                // A held jog button stays live: disabled, it would never see its release.
                if (!on && b->held()) continue;
                members.push_back(b);
            }
            break;
        case EnableSet::StopPanels:
            members = {stop_, mstop_};
            break;
        case EnableSet::CancelPanel:
            members = {lineUsable_};
            break;
        default:
            break;
    }
    for (QWidget* w : members) w->setEnabled(on);
}

std::string Tteach::field(DirectField f) const {
    switch (f) {
        case DirectField::Xposi:
        case DirectField::Yposi:
        case DirectField::Zposi:
        case DirectField::Rposi:
            return Cp1252::encode(
                fields_[static_cast<std::size_t>(static_cast<int>(f) -
                                                 static_cast<int>(DirectField::Xposi))]
                    ->text());
        default:
            return {};
    }
}

// Positions read go to X, Y, Z, R; with "Pos 2" or "Pos 3" chosen, X and Y go to that point.
void Tteach::setField(DirectField f, const std::string& text) {
    int index = static_cast<int>(f) - static_cast<int>(DirectField::Xposi);
    if (index < 0 || index > 3) return;
    const int p = point();
    if (index < 2 && p > 1) index = TeachX2 + (p - 2) * 2 + index;
    fields_[static_cast<std::size_t>(index)]->setText(Cp1252::decode(text));
}

// The offline routine: the screen's controls go, and the editors' line with them.
void Tteach::showLine(bool online) {
    // A screen closed while its command waited leaves the editors' line as it is.
    if (online || !isVisible()) return;
    setControlsEnabled(false);
    if (screens_.tbuff->isOnline()) screens_.tbuff->goOffline();
}

bool Tteach::screenVisible() const { return isVisible(); }

int Tteach::jogMode() const {
    for (int m = 0; m < 3; ++m)
        if (modes_[static_cast<std::size_t>(m)]->isChecked()) return m + 1;
    return 1;
}

}  // namespace mivo
