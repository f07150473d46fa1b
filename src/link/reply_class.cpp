#include "link/reply_class.h"

namespace mivo {

ReplyCode ReplyClass(const std::string& line) {
    if (line.compare(0, 2, "OK") == 0) return ReplyCode::Ok;
    if (line == "NG") return ReplyCode::Ng;
    if (line == "ERR") return ReplyCode::Err;
    if (line == "END") return ReplyCode::End;
    if (line == "CEND") return ReplyCode::Cend;
    if (line == "EMG") return ReplyCode::Emg;
    if (line == "MSTOP") return ReplyCode::Mstop;
    if (line == "STOP") return ReplyCode::Stop;
    return ReplyCode::Data;
}

}  // namespace mivo
