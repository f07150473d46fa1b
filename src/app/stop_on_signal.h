#pragma once
// The editor ended by SIGINT, SIGTERM or SIGHUP (kill, a logout, the terminal closed) while it
// may drive the robot: what it started is stopped as its own STOP or Cancel would stop it, and
// only then does the editor end, the port closed in order.
#include <functional>
#include <memory>

namespace mivo {

struct CreatedScreens;
class StopSignalWatch;

// Watches the stop signals from now on: on the first, a motion the screens may have under way is
// stopped ("@STOP" on the direct line, whichever of the direct and teaching screens runs; the
// motion stop of Cancel on the main channel), its answer let come; then `quit` runs. A second
// signal ends the stop's wait at once.
std::unique_ptr<StopSignalWatch> StopOnSignal(CreatedScreens& screens, std::function<void()> quit);

}  // namespace mivo
