#pragma once
// Rules of the direct-operation commands that depend on data alone.
#include <string>

namespace mivo {

// Where `mnemonic` ("CIR", "PAL") stands in a step record as "@READ STEP" returns it: at
// character 4, 5 or 6 counted from 1 (after "S" and a step number of one to three digits);
// 0 when it stands at none of them.
int MnemonicAt(const std::string& record, const char* mnemonic);

// The GO move for the step record of step `step` (the step field's text), to point
// `position`: "@CIR GO step,position" for a circle; "@PAL GO nn,position" for a pallet move
// (operation code "0", the pallet number its two digits); "@GO step" otherwise.
std::string GoCommand(const std::string& record, const std::string& step,
                      const std::string& position);

// The start question of RUN: "PGM0 will be started.  OK?" for program "0".
std::string RunQuestion(const std::string& program);
// The question of INIT PGM: "PGM 0 will be initialized.  OK?".
std::string InitProgramQuestion(const std::string& program);

}  // namespace mivo
