#include "direct/direct_screen.h"

// The screen as its session sees it (DirectView): the enable sets, the fields, the I/O display.

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "codepage/cp1252.h"
#include "direct/direct_panel.h"
#include "direct/direct_session.h"
#include "direct/jog_button.h"
#include "direct/maintenance_commands.h"
#include "direct/monitor.h"
#include "link/controller_link.h"
#include "parameters/parameter_initialize.h"
#include "parameters/parameter_target.h"
#include "shell/editor_access.h"
#include "shell/navigator.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

const char* const kNotCurrent = "notCurrent";
const char* const kNotCurrentHint = QT_TRANSLATE_NOOP(
    "mivo::DirectScreen", "Not current: the controller's last reply was no value");

}  // namespace

void DirectScreen::enable(EnableSet set, bool on) {
    std::vector<QWidget*> members;
    for (QWidget* w : sets_[set]) {
        // A held jog button stays live: disabled, it would never see its release.
        if (auto* jog = qobject_cast<JogButton*>(w); jog && jog->held() && !on) continue;
        members.push_back(w);
    }
    focus_.setEnabled(members, on);
    if (set == EnableSet::MonitorControls && on) positionGroup_->setEnabled(true);
}

std::string DirectScreen::field(DirectField f) const {
    const auto it = fields_.find(f);
    return it == fields_.end() ? std::string() : Cp1252::encode(it->second->text());
}

void DirectScreen::setField(DirectField f, const std::string& text) {
    const auto it = fields_.find(f);
    if (it == fields_.end()) return;
    // The monitor tells every field on every scan: only a change is set.
    if (const QString shown = Cp1252::decode(text); it->second->text() != shown)
        it->second->setText(shown);
    if (it->second->property(kNotCurrent).toBool()) {
        it->second->setProperty(kNotCurrent, false);
        it->second->setPalette(QPalette());
        it->second->setToolTip({});
    }
}

// The last value stays, greyed, until the monitor reads one again.
void DirectScreen::showFieldNotCurrent(DirectField f) {
    const auto it = fields_.find(f);
    if (it == fields_.end()) return;
    QLineEdit* e = it->second;
    e->setProperty(kNotCurrent, true);
    QPalette p = e->palette();
    p.setColor(QPalette::Text, p.color(QPalette::Disabled, QPalette::Text));
    e->setPalette(p);
    e->setToolTip(QCoreApplication::translate("mivo::DirectScreen", kNotCurrentHint));
}

// The line switch follows the direct channel's state by itself.
void DirectScreen::showLine(bool) {}

void DirectScreen::showMonitoring(bool on) {
    monitorButton_->setText(on ? tr("End monitor") : tr("Start monitor"));
    monitoring_->setChecked(on);
}

bool DirectScreen::screenVisible() const { return isVisible(); }

bool DirectScreen::offerToSaveSteps() { return steps_.offerToSaveOrCancel(this); }

void DirectScreen::resetStepEditor() { steps_.emptyTable("Step initialize"); }

void DirectScreen::showStopState(StopState state) { stopMark_->showState(state); }

int DirectScreen::jogMode() const { return jogs_->mode(); }

bool DirectScreen::ioState(IoBank bank, int n) const {
    if (n < 0 || n > 15) return false;
    const DirectPanel* p = bank == IoBank::Output ? outputs_[n] : inputs_[n];
    return p->face() == DirectPanel::kOn;
}

void DirectScreen::showIo(IoBank bank, int n, bool on) {
    if (n < 0 || n > 15) return;
    DirectPanel* p = bank == IoBank::Output ? outputs_[n] : inputs_[n];
    p->setFace(on ? DirectPanel::kOn : DirectPanel::kOff);
    p->setCurrent(true);
}

void DirectScreen::showIoNotCurrent(IoBank bank, int n) {
    if (n < 0 || n > 15) return;
    (bank == IoBank::Output ? outputs_[n] : inputs_[n])->setCurrent(false);
}

void DirectScreen::showIoUnknown() {
    for (const auto& panels : {outputs_, inputs_})
        for (DirectPanel* p : panels) {
            p->setFace(DirectPanel::kUnknown);
            p->setCurrent(true);
        }
}

}  // namespace mivo
