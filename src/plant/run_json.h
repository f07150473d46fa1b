#pragma once
// A run's record as one JSON object, as the plant's broker is told it:
//   {"id":12,"start":"2026-12-09T21:04:05.123Z","start_ms":1796850245123,
//    "end":"2026-12-09T21:04:17.469Z","end_ms":1796850257469,"program":3,"result":"END",
//    "error":null,"cycle_s":12.346,"steps":[{"step":0,"seconds":0.350},...],
//    "program_hash":"9f2c...","robot":2,"versions":"V1.20","host":"mivo-editor"}
// What is not known is null: a program or robot of -1, an empty error, hash or versions, no
// cycle. Plain C++.
#include <string>
#include <string_view>

#include "common/run_record.h"

namespace mivo {

std::string RunJson(const RunRecord& run);

// `text` as a JSON string, in its quotes. The text's characters as common/utf8_text reads them
// (UTF-8 when it is well-formed UTF-8, else Windows-1252), written in UTF-8; quotes, backslashes,
// control characters (C0, DEL and C1) and U+2028/U+2029 escaped, so that any bytes make valid
// JSON that neither drives a terminal nor breaks a script that embeds it.
std::string JsonString(std::string_view text);

}  // namespace mivo
