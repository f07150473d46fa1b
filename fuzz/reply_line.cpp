// Bytes from the serial line: the line assembler builds reply lines, which are classified; the
// idle monitor counts the same bytes. A line is never longer than the bound nor holds its LF.
#include "common/readable_text.h"
#include "fuzz_input.h"
#include "link/idle_monitor.h"
#include "link/line_assembler.h"
#include "link/reply_class.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::LineAssembler lines;
    mivo::IdleMonitor idle;
    for (char byte : mivo::fuzz::Text(data, size)) {
        idle.feed(byte);
        if (!lines.feed(byte)) continue;
        const std::string line = lines.take();
        if (line.size() > mivo::LineAssembler::kMaxLine || line.find('\n') != std::string::npos)
            std::abort();
        mivo::ReplyClass(line);
        mivo::ReadableText(lines.takeDropped());
    }
    return 0;
}
