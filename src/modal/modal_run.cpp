#include "modal/modal_run.h"

#include <QEventLoop>
#include <memory>

#include "common/fiber.h"

namespace mivo {

void RunModal(const std::function<void()>& body) {
    if (Fiber::current()) {
        body();
        return;
    }
    QEventLoop loop;
    // Shared: the fiber may end after the caller's loop has gone (a quit from elsewhere).
    auto ended = std::make_shared<bool>(false);
    Fiber::start([&body, &loop, ended] {
        body();
        *ended = true;
        loop.quit();
    });
    // The application quitting ends every event loop for good: the fiber is left where it waits.
    while (!*ended)
        if (loop.exec() < 0) break;
}

}  // namespace mivo
