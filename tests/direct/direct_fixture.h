#pragma once
// The direct-operation screen among the real screens (offscreen), over a pseudo-terminal served by
// the simulated controller.
#include <QPushButton>
#include <string>
#include <vector>

#include "direct/direct_controls.h"
#include "direct/direct_screen.h"
#include "shell/shell_fixture.h"

namespace mivo::test {

using Lines = std::vector<std::string>;

class DirectScreen : public ShellFixture {
  protected:
    mivo::DirectScreen& screen() { return *static_cast<mivo::DirectScreen*>(screens.tdirect); }
    QPushButton* button(const std::string& name) {
        auto* b = screen().findChild<QPushButton*>(QString::fromStdString(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    // The colour a panel shows, away from its caption.
    QColor shown(const char* name) {
        const QImage image = button(name)->grab().toImage();
        return image.pixelColor(4, image.height() / 2);
    }
    // Shows the screen and switches its line on.
    void online() {
        useSimulatorAs(1);
        screen().show();
        click(lineSwitchOf(&screen()));
        ASSERT_TRUE(link().isDirectOnline());
    }
    Lines display() {
        Lines out;
        for (const QString& l : screen().displayText().split('\n', Qt::SkipEmptyParts))
            out.push_back(l.toStdString());
        return out;
    }
    // Records from now on each command the controller receives into `sent`.
    void recordSent() {
        QObject::connect(&pty, &SimPty::commandReceived, &screen(),
                         [this](const QString& c) { sent.push_back(c.toStdString()); });
    }
    Lines sent;
    // A paced line and a program that moves to X 100, then waits ten seconds before its END.
    void pacedLongRun() {
        pty.setPaced(true);
        sim.motion.originState = 1;
        sim.steps.programs[0][0] = "POI 000,100,0,0,0";
        sim.steps.programs[0][1] = "SEQ 400,";
        sim.steps.programs[0][2] = "END 000";
    }
    // The controls of `set`, as it names them, that can be pressed.
    Lines enabledIn(EnableSet set) {
        Lines out;
        for (const std::string& name : EnableSetMembers(set))
            if (screen().findChild<QWidget*>(QString::fromStdString(name))->isEnabled())
                out.push_back(name);
        return out;
    }
    // Every control that needs the line and can be pressed.
    Lines needingTheLine() {
        Lines out;
        for (EnableSet set :
             {EnableSet::CommandControls, EnableSet::StopPanels, EnableSet::CancelPanel,
              EnableSet::IoPanels, EnableSet::MonitorButton})
            for (const std::string& name : enabledIn(set)) out.push_back(name);
        return out;
    }
    const QColor plain = QApplication::palette().color(QPalette::Active, QPalette::Button);
};

}  // namespace mivo::test
