#pragma once
// The link on line over a real pseudo-terminal served by the simulated controller.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "link/link_messages.h"
#include "link/tbuff.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"

namespace mivo::test {

// A message of the link's, as the user was shown it.
struct LinkMessage {
    std::string text;
    std::string caption;
    std::string detail;
    bool operator==(const LinkMessage&) const = default;
};

// Records the link's messages as the programs show them: at once, before the link goes on.
inline void RecordMessages(TBuff& link, std::vector<LinkMessage>& into) {
    RouteLinkMessages(link, [&into](const std::string& text, const std::string& caption,
                                    const std::string& detail) {
        into.push_back({text, caption, detail});
    });
}

class LinkFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
        link.setDeviceForPort(1, pty.devicePath());
        RecordMessages(link, said);
        ASSERT_TRUE(link.goOnline());
        // A wait that never ends fails the test instead of hanging the runner.
        watchdog.setSingleShot(true);
        watchdog.callOnTimeout(&link, [this] {
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
    TBuff link;
    std::vector<LinkMessage> said;  // the link's messages
    QTimer watchdog;
};

}  // namespace mivo::test
