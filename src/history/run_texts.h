#pragma once
// A kept run's values as the history window shows them, in one place for its table, its chart
// and its step bars. The controller's bytes are shown escaped and decoded from Windows-1252.
#include <QString>

#include "common/run_record.h"

namespace mivo {

// "P2", "P?" when unknown.
QString ProgramText(int program);
// "END", "ERR 12": the result's word and the controller's error code.
QString ResultText(const RunRecord& run);
// "12.35 s", "" without a cycle.
QString CycleText(const RunRecord& run);
// "Run 12, 2026-12-09 21:04:05, P2, END, 12.35 s".
QString RunTitle(const RunRecord& run);
// Bytes kept from the line or a host, as a display shows them.
QString KeptText(const std::string& bytes);

}  // namespace mivo
