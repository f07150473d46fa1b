#pragma once
// How a refused command is reported, the same for every transfer and operation.
#include <string>

#include "common/readable_text.h"
#include "common/said_text.h"
#include "procedures/procedure_context.h"

namespace mivo {

bool StartsWith(const std::string& text, const char* prefix);

// A controller line as the error dialog shows it: ReadableText, the rule every message quoting
// a text follows (control bytes as \xNN, a long line cut at kReadableLength).
std::string ReadableErrorLine(const std::string& line);

// What a data reply must look like to be taken as a value. Noise on the line is none, nor a
// value longer than the controller ever sends for its item.
enum class ValueShape {
    Number,      // a value or a position: "-999.99", "45", " 0.00"
    Numbers,     // numbers separated by commas: all four positions, a pallet's two counters
    Digit,       // a program number, the origin state
    Bit,         // an output's or input's state: "0" or "1"
    StepNumber,  // up to three digits
    Word,        // a version or release text: printable, no blank
    Text,        // a line of an error record: printable, blanks too, not cut at the line's bound
};
inline constexpr std::size_t kLongestNumber = 12;  // "-999.99" with room for blanks
inline constexpr std::size_t kLongestWord = 16;
bool FitsShape(const std::string& reply, ValueShape shape);

// A data reply that does not fit its item, or a value whose trailing line did not come (an
// empty `reply`): a notice naming the item ends the exchange. A reply cut at the line's bound
// is said to be so.
inline constexpr const char* kReplyErrorCaption = UI_TEXT("Message", "Reply error");
void ShowUnfitReply(ProcedureContext& ctx, const std::string& item, const std::string& reply);

// A value counts only when the line after it is its "OK". Read after a value that fits its
// item: true when the "OK" came. Otherwise the notice of ShowUnfitReply naming `item` is shown:
// no line came, or another line came in its place, which means the exchange is out of step (the
// value was noise before the real reply): what is pending is drained, and `value` is no value.
bool ConfirmValue(ProcedureContext& ctx, const std::string& item, const std::string& value);
// The same rule for a trailing line `line` already read.
bool ConfirmValue(ProcedureContext& ctx, const std::string& item, const std::string& value,
                  const std::string& line);

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
