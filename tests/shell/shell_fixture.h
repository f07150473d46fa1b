#pragma once
// The real set of eighteen screens (offscreen) with a scripted prompter, and the simulated
// controller on a real pseudo-terminal for the on-line cases.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/create_screens.h"
#include "common/fiber.h"
#include "direct/direct_screen.h"
#include "direct/direct_session.h"
#include "link/controller_link.h"
#include "shell/start_screen.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"
#include "steps/step_editor.h"
#include "support/scripted_prompter.h"

namespace mivo::test {

inline const char* const kMissingDevice = "/nonexistent/mivo-test-com";

class ShellFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        // The tests close the start screen; the runner must go on.
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
        set = createScreens(screens, &prompter);
        link().setDeviceForPort(1, kMissingDevice);
        // A wait that never ends fails the test instead of hanging the runner.
        watchdog.setSingleShot(true);
        watchdog.callOnTimeout([this] {
            ADD_FAILURE() << "a wait did not end";
            link().abortWaits();
        });
        watchdog.start(20000);  // a hang guard, with room for a busy machine
    }

    ControllerLink& link() { return *screens.tbuff; }
    void useSimulatorAs(int port) { link().setDeviceForPort(port, pty.devicePath()); }
    void click(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    // The commands the last action started on fibers (the direct and teaching screens') have
    // ended; a monitor that scans on is not waited for.
    void settle() {
        const auto background = [this] {
            auto* direct = static_cast<DirectScreen*>(screens.tdirect);
            return direct && direct->session().monitorRunning ? 1 : 0;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return Fiber::alive() <= background(); }, 15000))
            << "a command did not end";
        QCoreApplication::processEvents();
    }
    void pressStart() { click(screens.tselect->findChild<QPushButton*>("Button1")); }

    QPushButton* lineSwitchOf(QWidget* screen) {
        auto* s = screen->findChild<QPushButton*>("linemonitor");
        EXPECT_NE(s, nullptr) << screen->objectName().toStdString();
        return s;
    }
    // The line switches of the step, parameter, pallet and offset editors all show `caption`.
    void expectSwitches(const char* caption) {
        for (QWidget* w : {static_cast<QWidget*>(screens.tmmain), screens.tparameter,
                           screens.tpalet, screens.toffset}) {
            if (QPushButton* s = lineSwitchOf(w)) {
                EXPECT_EQ(s->text().toStdString(), caption) << w->objectName().toStdString();
            }
        }
    }

    SimController sim;
    SimPty pty{sim};
    ScriptedPrompter prompter;
    CreatedScreens screens;
    std::unique_ptr<ScreenSet> set;
    QTimer watchdog;
};

}  // namespace mivo::test
