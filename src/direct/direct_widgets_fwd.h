#pragma once
// The direct operation's pieces that a screen hosting it holds (the direct-operation screen, the
// teaching screen): declared only, for their headers.
namespace mivo {

class ControllerLink;
class TransferDialogs;
class DirectPanel;
class DirectSession;
class StopStateMark;
class JogButton;
class JogControls;

}  // namespace mivo
