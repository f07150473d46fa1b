#include "teach/teach_screen.h"

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

#include "codepage/cp1252.h"
#include "common/fiber.h"
#include "direct/direct_commands.h"
#include "direct/direct_panel.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/jog_button.h"
#include "i18n/translated_texts.h"
#include "link/controller_link.h"
#include "modal/modal_run.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"
#include "teach/opener_moves.h"
#include "teach/step_chooser.h"
#include "teach/teach_commands.h"
#include "teach/teach_transfer.h"

namespace mivo {

TeachScreen::TeachScreen(ControllerLink& link, Prompter& prompter, TransferDialogs& transfer,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), transferDialogs_(transfer) {
    setObjectName("Tteach");
    setWindowTitle(tr("MIVO Editor [Teach]"));
    transfer_ = std::make_unique<TeachTransfer>(
        transferDialogs_, [this] { return running_ > 0 && !jogs_->anyHeld() && isVisible(); });
    session_ = std::make_unique<DirectSession>(link_.directChannel(), prompter, *transfer_, *this);
    mainContext_ = std::make_unique<ProcedureContext>(
        ProcedureContext{link_.mainChannel(), prompter, transferDialogs_, mainLog_});
    build();
    restoreLayout();
    setControlsEnabled(false);

    // A jog moving until its release is stopped before the line goes.
    connect(&link_, &ControllerLink::directClosing, this, [this] { jogs_->endHolds(); });
    // The editors' line went off: nothing here can reach the controller any more.
    connect(&link_, &ControllerLink::onlineChanged, this, [this](bool online) {
        if (!online && isVisible()) setControlsEnabled(false);
    });
    connect(&link_, &ControllerLink::directOnlineChanged, this, [this](bool online) {
        if (!online && !closing_ && isVisible()) showLine(false);
    });
}

TeachScreen::~TeachScreen() = default;

void TeachScreen::teachFor(DataKind opener, TeachTarget& target, const std::string& number,
                           QWidget* openerWindow) {
    opener_ = opener;
    target_ = &target;
    number_ = number;
    openerWindow_ = openerWindow;
    heading_->setText(MessageText(target.heading()));
    preset(target.preset());
    if (openerWindow_) openerWindow_->setEnabled(false);
    if (opener == DataKind::Offset) {
        // The question and the origin check, then the step to move to is chosen.
        std::map<int, std::string> none;
        Outcome moved = Outcome::Failed;
        RunModal([&] {
            moved = MoveForTeaching(mainContext(openerWindow_), OpenerMove(opener, number), none);
        });
        if (moved != Outcome::Completed || !chooser_) {
            giveUp();
            return;
        }
        chooser_->openChooser(openerWindow_);
        return;
    }
    // Shown before the move's question, which belongs to it (its own prompter).
    showForTeaching();
    // The move runs on the main channel; the screen waits for it.
    setEnabled(false);
    std::map<int, std::string> positions;
    RunModal([&] { MoveForTeaching(mainContext(this), OpenerMove(opener, number), positions); });
    setEnabled(true);
    showTaught(positions);
    // In front of its opener for the teaching that follows.
    raise();
    activateWindow();
}

ProcedureContext& TeachScreen::mainContext(QWidget* owner) {
    transferDialogs_.setOwner(owner);
    mainLog_.clear();
    return *mainContext_;
}

void TeachScreen::showTaught(const std::map<int, std::string>& byAxis) {
    for (const auto& [axis, value] : byAxis)
        if (axis >= 1 && axis <= 4)
            fields_[static_cast<std::size_t>(axis - 1)]->setText(Cp1252::decode(value));
}

void TeachScreen::clearPositions() {
    for (std::size_t f = 0; f < 4; ++f) fields_[f]->clear();
}

void TeachScreen::showForTeaching() {
    ControllerLink* link = &link_;
    if (!link->isDirectOnline()) link->goDirectOnline();
    transferDialogs_.setOwner(this);
    // A window of its opener, so that it stays above it (the command-entry dialog too).
    const bool first = !isVisible();
    ShowOver(this, openerWindow_);
    if (first) CentreOnScreen(this);
    setControlsEnabled(link->isDirectOnline() && link->isOnline());
}

void TeachScreen::giveUp() {
    target_ = nullptr;
    if (openerWindow_) openerWindow_->setEnabled(true);
    openerWindow_ = nullptr;
}

void TeachScreen::setControlsEnabled(bool on) {
    for (EnableSet set :
         {EnableSet::CommandControls, EnableSet::StopPanels, EnableSet::CancelPanel})
        enable(set, on);
}

void TeachScreen::run(const std::function<Outcome()>& command) {
    Fiber::start([this, command] { runHere(command); });
}

void TeachScreen::runHere(const std::function<Outcome()>& command) {
    transferDialogs_.setOwner(this);
    ++running_;
    command();
    if (--running_ == 0) transferDialogs_.hideCancel();
}

int TeachScreen::point() const {
    if (pointGroup_->isHidden()) return 1;
    for (int p = 0; p < 3; ++p)
        if (points_[static_cast<std::size_t>(p)]->isChecked()) return p + 1;
    return 1;
}

TeachTexts TeachScreen::taught() const {
    TeachTexts texts;
    for (std::size_t f = 0; f < texts.size(); ++f) texts[f] = Cp1252::encode(fields_[f]->text());
    return texts;
}

QString TeachScreen::positionText(TeachField f) const {
    return fields_[static_cast<std::size_t>(f)]->text();
}

QString TeachScreen::logText() const { return log_->toPlainText(); }

void TeachScreen::okClicked() {
    if (!target_) return;
    if (opener_ != DataKind::Offset) {
        target_->writeBack(taught());
        closeScreen();
        return;
    }
    // On a fiber of its own: the offsets are written back once the controller answered.
    Fiber::start([this] {
        OffsetReadBack out;
        runHere([&] { return TeachOffsetOk(*session_, lineUsable_->isEnabled(), out); });
        if (!out.sent || !target_) return;
        target_->writeBack(TaughtOffsets(taught(), out), out.program);
        closeScreen();
    });
}

void TeachScreen::cancelClicked() { closeScreen(); }

void TeachScreen::closeScreen() {
    closing_ = true;
    hide();
    link_.goDirectOffline();
    closing_ = false;
    restoreLayout();
    setControlsEnabled(false);
    giveUp();
}

void TeachScreen::closeEvent(QCloseEvent* event) {
    // Screens live for the whole run: closing is Cancel.
    event->ignore();
    cancelClicked();
}

}  // namespace mivo
