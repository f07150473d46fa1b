#pragma once
// SIGINT, SIGTERM and SIGHUP (the terminal closed, a remote session dropped) turned into a readable
// descriptor, so that an event loop can end the work in order (close the port, restore the line)
// instead of the process dying where it stands.
namespace mivo {

// Installs the handlers (once) and returns the descriptor that becomes readable when one of the
// signals arrived; -1 when it cannot be made.
int StopSignalDescriptor();

}  // namespace mivo
