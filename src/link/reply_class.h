#pragma once
// The one classification of a controller reply line, used by every procedure.
#include <string>

namespace mivo {

enum class ReplyCode : int {
    Ok = 0,
    Ng = 1,
    Err = 2,
    End = 3,
    Cend = 4,
    Emg = 5,
    Mstop = 6,
    Stop = 7,
    Data = 10,
};

// First two characters "OK" give Ok; otherwise the whole line "NG", "ERR", "END", "CEND",
// "EMG", "MSTOP" or "STOP"; anything else is a data line.
ReplyCode ReplyClass(const std::string& line);

// True for the status words NG to STOP (codes 1 to 7).
inline bool IsStatusWord(ReplyCode code) {
    return code != ReplyCode::Ok && code != ReplyCode::Data;
}

}  // namespace mivo
