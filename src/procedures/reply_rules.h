#pragma once
// How a refused command is reported, the same for every transfer and operation.
#include <string>

#include "common/readable_text.h"
#include "procedures/procedure_context.h"

namespace mivo {

bool StartsWith(const std::string& text, const char* prefix);

// A controller line as the error dialog shows it: ReadableText, the rule every message quoting
// a text follows (control bytes as \xNN, a long line cut at kReadableLength).
std::string ReadableErrorLine(const std::string& line);

// The error line of a reply that is no "OK": after a status word ("NG", "ERR" ...) the line
// the controller sends next; any other reply is itself the line to show (no further line is
// waited for, which would never come).
std::string RefusalLine(ProcedureContext& ctx, const std::string& reply);

// A reply that is no "OK", shown in the error dialog: its RefusalLine.
void ShowRefusal(ProcedureContext& ctx, const std::string& reply);

// After an error line beginning with "07" the controller waits for the rest of a command: a
// lone "@" resets it. True when the reset was sent.
bool ResetAfter07(ProcedureContext& ctx, const std::string& errorLine);

// The error line of a refused item is shown in the error dialog (followed, when asked, by the
// "07" reset) and, unless it begins with "31", `itemMessage` (for example "Error No. 12") with
// `caption` after it.
void ShowItemError(ProcedureContext& ctx, const std::string& errorLine,
                   const std::string& itemMessage, const std::string& caption,
                   bool resetAfter07 = false);

// Between two items: a Cancel shows `message` and clears the flag (true: stop here);
// otherwise the progress bar moves to `position`.
bool StoppedBetweenItems(ProcedureContext& ctx, int position, const std::string& message,
                         const std::string& caption);

}  // namespace mivo
