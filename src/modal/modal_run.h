#pragma once
// A procedure run to its end before the caller goes on, as a modal dialog is: on a fiber of its
// own, while the event loop runs in a local loop, so that its waits on the line are answered and
// the screens stay painted. Qt Core.
#include <functional>

namespace mivo {

// Runs `body` and returns once it has ended. Called on a fiber already, it runs `body` there.
void RunModal(const std::function<void()>& body);

}  // namespace mivo
