#pragma once
// The link on line over a real pseudo-terminal served by the simulated controller.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

#include "link/tbuff.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"
#include "support/scripted_prompter.h"

namespace mivo::test {

class LinkFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
        link.setDeviceForPort(1, pty.devicePath());
        link.setPrompter(&prompter);
        ASSERT_TRUE(link.goOnline());
        // A wait that never ends fails the test instead of hanging the runner.
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &link, [this] {
            ADD_FAILURE() << "a wait did not end";
            link.abortWaits();
        });
        watchdog.start(5000);
    }

    // Runs `action` from the event loop once the controller has received its next command,
    // that is inside the wait of the request that sent it.
    void onNextCommand(std::function<void()> action) {
        auto conn = std::make_shared<QMetaObject::Connection>();
        *conn = QObject::connect(&pty, &SimPty::commandReceived, &link, [this, conn, action] {
            QObject::disconnect(*conn);
            QMetaObject::invokeMethod(&link, action, Qt::QueuedConnection);
        });
    }

    Channel& main() { return link.mainChannel(); }

    SimController sim;
    SimPty pty{sim};
    ScriptedPrompter prompter;
    TBuff link;
    QTimer watchdog;
};

}  // namespace mivo::test
