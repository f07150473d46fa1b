#include "app/stop_on_signal.h"

#include <QTimer>

#include "app/create_screens.h"
#include "common/fiber.h"
#include "direct/direct_commands.h"
#include "direct/direct_screen.h"
#include "link/controller_link.h"
#include "link/stop_signal_watch.h"
#include "shell/transfer_dialogs.h"
#include "teach/teach_screen.h"

namespace mivo {

namespace {

// The session whose command runs: the teaching screen's while it has one under way.
DirectSession& RunningSession(CreatedScreens& screens) {
    DirectSession& teach = static_cast<TeachScreen*>(screens.tteach)->session();
    if (teach.cyclesRunning() > 0) return teach;
    return static_cast<DirectScreen*>(screens.tdirect)->session();
}

}  // namespace

std::unique_ptr<StopSignalWatch> StopOnSignal(CreatedScreens& screens, std::function<void()> quit) {
    auto stopping = std::make_shared<bool>(false);
    return std::make_unique<StopSignalWatch>([&screens, quit = std::move(quit), stopping] {
        ControllerLink& link = *screens.tbuff;
        if (std::exchange(*stopping, true)) {
            link.halt();
            return;
        }
        // A "@STOP" with nothing under way is answered "OK": sent whenever the direct line is on,
        // it stops whatever this editor may have set moving there (a run handed to the monitor
        // has no command waiting for it).
        // The editor ends once the stop was answered (or said to be unconfirmed).
        const auto end = [&link, quit] {
            link.halt();
            QTimer::singleShot(0, quit);
        };
        if (link.isDirectOnline()) {
            DirectSession& session = RunningSession(screens);
            if (session.stopAwaited()) return;
            Fiber::start([&session, end] {
                StopPanel(session);
                end();
            });
            return;
        }
        if (link.isOnline() && link.mainChannel().waiting()) screens.transfer->requestCancel(true);
        end();
    });
}

}  // namespace mivo
