#pragma once
// Jogging: the eight jog buttons X+ ... R- in three movement modes. Mode 1 moves one fixed
// amount per activation (a click, or the space key); modes 2 and 3 move from the press until
// the release, which sends "@STOP". The direct-operation screen and the teaching screen jog with
// these procedures; what differs between them is a JogStyle.
#include <optional>
#include <string>

#include "common/said_text.h"
#include "direct/direct_cycle.h"

namespace mivo {

// One jog button: its axis letter and its direction.
struct JogAxis {
    char axis = 'X';  // X, Y, Z or R
    char sign = '+';  // + or -
};

// The button by its caption ("X+", "X-", ... "R-"); nullopt for any other text.
std::optional<JogAxis> JogAxisNamed(const std::string& caption);

// "@" + axis + mode digit + sign: "@X3+".
std::string JogCommand(JogAxis jog, int mode);

// Where the screens' jogging differs.
struct JogStyle {
    // After a return to origin in a press, the positions are read (on the direct screen only
    // for X+).
    bool positionsAfterOrigin = false;
    // A reply of an unexpected class to the jog command takes the line off (on the direct
    // screen for every button but X+).
    bool offlineOnOddReply = true;
    // The question before a press returns to origin, and its caption.
    std::string originQuestion = UI_TEXT("Message", "Return to origin?");
    std::string originCaption = UI_TEXT("Message", "Return to origin");
    // The teaching screen's reading of the jog's reply: an "NG" whose line begins with "03"
    // reads the positions too, "END" and "STOP" give the controls back, and any other class
    // shows only the error line that follows it.
    bool teaching = false;
};
// The direct-operation screen's way for `jog`.
JogStyle DirectJogStyle(JogAxis jog);
// The teaching screen's way, the same for every button.
JogStyle TeachJogStyle();

// A press's origin check: "@?ORG"; unless the robot is at origin, the style's question and
// "@ORG", after which the press ends (Declined; the positions read when the style says so).
// Completed when the press may move.
Outcome JogOriginCheck(DirectCycle& c, const JogStyle& style);

// The press of a button in the mode the view shows: the origin check, then the jog command.
// Modes 2 and 3 keep the buttons live so that the release is seen while the robot moves; a
// release that ran during a wait ends the press (it gave up the press's wait).
Outcome JogPress(DirectSession& s, JogAxis jog, const JogStyle& style);
// The release: "@STOP"; its "STOP" reads the four positions. Run while a press is under way, the
// press sends no jog after it, and a press waiting in its exchanges is withdrawn. Completed when
// the controller answered "STOP" (an "OK", nothing was moving, is no error but no stop either);
// Declined when the press's jog never went out (nothing sent, or a stop that kept the jog off the
// line) or the controller refused it: nothing moves.
Outcome JogRelease(DirectSession& s);
// The activation in mode 1: the origin check (returning to origin when the user agrees), then
// one move of a fixed amount and the positions read back.
Outcome JogActivate(DirectSession& s, JogAxis jog);

}  // namespace mivo
