#pragma once
// The outputs and the monitor of the direct-operation screen. A click on an output panel
// switches that output; the monitor polls the sixteen outputs and inputs, the four positions
// and the step now executing, over and over while it is on. It runs on a fiber of its own: the
// exchange engine puts the other commands' exchanges between its queries, and gives a program's
// lines to the run they belong to.
#include <functional>

#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

// The output panel DOn clicked: "@DO n,1" when it shows off, "@DO n,0" when on; the panel takes
// the new state on "OK" only.
Outcome SwitchOutput(DirectSession& s, int n);

// `monistart`: switches the monitor off ("Monitor is ended"), or on ("Monitor is started") and
// runs it until it ends.
void MonitorSwitch(DirectSession& s);

// The monitor loop, while "Monitoring" is on: one scan after another;
// `DirectSession::monitorScanned` runs after each whole scan. A reply that is no value of its
// item is not shown: the item is marked not current and the scan starts again
// (`DirectSession::monitorUnfit` hears of it). A query refused ends the monitor with its error
// line shown; a controller that did not answer ends it with "Monitor is ended".
void MonitorLoop(DirectSession& s);

// RUN with the monitor beside it, so that its steps are timed: the monitor starts, the run goes
// out after its first whole scan, as the screen runs it with "Monitoring" on, and the monitor
// ends once the run has (its END, a stop, an error). Completed when the cycle ran to its END;
// `DirectSession::cycleTiming` then holds its step times.
Outcome RunWatched(DirectSession& s);

}  // namespace mivo
