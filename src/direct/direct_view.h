#pragma once
// The direct-operation screen as its procedures see it: the received-information display, the
// enable sets, the fields, the line button, and the step editor's save offer and reset. The screen
// implements it with widgets, `mivo direct` with the terminal, the tests with a recording view.
// Texts are bytes in Windows-1252, as everywhere in the data.
#include <string>

namespace mivo {

// What the procedures switch on and off, each as one.
enum class EnableSet {
    CommandControls,  // the command buttons, the eight jog buttons, the panels DI0 to DI15
    MonitorControls,  // the position and step fields, the monitor buttons, the whole
                      // "Position, program" group
    StopPanels,       // STOP (yellow) and MSTOP (red)
    CancelPanel,      // the communication-cancel panel (green)
    IoPanels,         // DO0 to DO15, DI0 to DI15
    JogButtons,       // the eight jog buttons alone (a run disables them)
    MonitorButton,    // `monistart` alone
    PositionQueries,  // "?SNO" and "?POS" alone (the monitor reads them itself)
    PositionFields,   // the position and step fields alone
};

// The sixteen outputs (DO0..DO15) and sixteen inputs (DI0..DI15).
enum class IoBank { Output, Input };

// The fields a procedure reads and writes (their controls' objectNames in the comments).
enum class DirectField {
    GoStep,          // GOTX: GO's step
    GoPoint,         // GOTX2: GO's position (the point of a circle or pallet)
    PalletNumber,    // Edit1: PALGO's pallet number
    PalletPoint,     // Edit2: PALGO's position
    CounterToClear,  // INITCTX: INIT C's counter number
    CounterToRead,   // RCTX: ?C's counter number
    XPosition,       // Xposi .. Rposi: where the robot is
    YPosition,
    ZPosition,
    RPosition,
    Step,  // Step: the step now executing
};

enum class StopState {
    None,         // no stop under way, or the controller answered since
    Stopping,     // "@STOP" or "@MSTOP" is out, its answer awaited
    Stopped,      // the controller answered it
    Unconfirmed,  // neither it nor the "@STOP" after it was answered
};

class DirectView {
  public:
    virtual ~DirectView() = default;
    // Appends one line to the received-information display.
    virtual void append(const std::string& line) = 0;
    virtual void enable(EnableSet set, bool on) = 0;
    virtual std::string field(DirectField f) const = 0;
    virtual void setField(DirectField f, const std::string& text) = 0;
    // The line button's caption: "Online" or "Offline".
    virtual void showLine(bool online) = 0;
    // The monitor button's caption: "End monitor" while it runs, else "Start monitor".
    virtual void showMonitoring(bool on) = 0;
    // Whether the screen is showing (a hidden screen's cancel flag is cleared).
    virtual bool screenVisible() const = 0;
    // The movement mode chosen for jogging: 1, 2 or 3.
    virtual int jogMode() const = 0;
    // Whether an output or input panel shows on (red; aqua is off), and showing a state.
    virtual bool ioState(IoBank bank, int n) const = 0;
    virtual void showIo(IoBank bank, int n, bool on) = 0;
    // A reply the monitor could not take as a value: the panel or field keeps what it shows,
    // marked as not current until showIo or setField gives it a value again.
    virtual void showIoNotCurrent(IoBank, int) {}
    // The line went off: no output or input panel shows a state (neither on nor off) until
    // the line has read it again, perhaps from another controller. Not shown counts as not on.
    virtual void showIoUnknown() {}
    virtual void showFieldNotCurrent(DirectField) {}
    // Before the controller's programs are emptied: the step editor's changed data are offered
    // for saving (Yes/No/Cancel). False on Cancel and on a Yes whose save wrote nothing: the
    // command then sends nothing.
    virtual bool offerToSaveSteps() = 0;
    // The controller's programs were emptied: the step editor's grid empties too, as one
    // undoable edit, and its data count as unmodified.
    virtual void resetStepEditor() = 0;
    // Where the last stop stands, shown beside STOP (which is never greyed for it). Unconfirmed:
    // the controller confirmed no stop, so the robot may still be moving; the view says so
    // plainly (kStopUnconfirmed, in front of any other message) until the state changes, once
    // the controller answers again.
    virtual void showStopState(StopState state) = 0;
};

}  // namespace mivo
