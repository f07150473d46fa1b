#include "teach/teach_screen.h"

// The screen as its session sees it (DirectView): the log, the enable sets and the fields.

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "codepage/cp1252.h"
#include "direct/direct_commands.h"
#include "direct/direct_panel.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/jog_button.h"
#include "link/controller_link.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"
#include "teach/opener_moves.h"
#include "teach/step_chooser.h"
#include "teach/teach_commands.h"
#include "teach/teach_transfer.h"

namespace mivo {

void TeachScreen::append(const std::string& line) { log_->appendPlainText(Cp1252::decode(line)); }

void TeachScreen::enable(EnableSet set, bool on) {
    std::vector<QWidget*> members;
    switch (set) {
        case EnableSet::CommandControls:
            members = {org_, goMove_};
            [[fallthrough]];
        case EnableSet::JogButtons:
            for (JogButton* b : jogs_->buttons()) {
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
    focus_.setEnabled(members, on);
}

std::string TeachScreen::field(DirectField f) const {
    switch (f) {
        case DirectField::XPosition:
        case DirectField::YPosition:
        case DirectField::ZPosition:
        case DirectField::RPosition:
            return Cp1252::encode(
                fields_[static_cast<std::size_t>(static_cast<int>(f) -
                                                 static_cast<int>(DirectField::XPosition))]
                    ->text());
        default:
            return {};
    }
}

// Positions read go to X, Y, Z, R; with "Pos 2" or "Pos 3" chosen, X and Y go to that point.
void TeachScreen::setField(DirectField f, const std::string& text) {
    int index = static_cast<int>(f) - static_cast<int>(DirectField::XPosition);
    if (index < 0 || index > 3) return;
    const int p = point();
    if (index < 2 && p > 1) index = TeachX2 + (p - 2) * 2 + index;
    fields_[static_cast<std::size_t>(index)]->setText(Cp1252::decode(text));
}

// The offline routine: the screen's controls go, and the editors' line with them.
void TeachScreen::showLine(bool online) {
    // A screen closed while its command waited leaves the editors' line as it is.
    if (online || !isVisible()) return;
    setControlsEnabled(false);
    if (link_.isOnline()) link_.goOffline();
}

void TeachScreen::showStopState(StopState state) { stopMark_->showState(state); }

bool TeachScreen::screenVisible() const { return isVisible(); }

int TeachScreen::jogMode() const { return jogs_->mode(); }

}  // namespace mivo
