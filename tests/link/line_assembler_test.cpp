// Reply lines from bytes: what a broken line's idle burst in front of a reply leaves of it.
#include "link/line_assembler.h"

#include <gtest/gtest.h>

namespace mivo {
namespace {

TEST(LineAssembler, BytesThatCannotBeginALineAreDroppedAndReported) {
    struct Case {
        std::string bytes;  // up to and with the LF
        std::string line;
        std::string dropped;
    };
    const Case cases[] = {
        {std::string(8, '\xFF') + "OK\r\n", "OK", std::string(8, '\xFF')},
        {std::string("\0\x1B\x7F", 3) + "12\n", "12", std::string("\0\x1B\x7F", 3)},
        {"\r\n", "", ""},  // an empty line stays one
        {"A\xFF\x1B"
         "B\n",
         "A\xFF\x1B"
         "B",
         ""},                                // inside a line, bytes are the line's
        {"\x83\x81OK\n", "\x83\x81OK", ""},  // a double-byte text may begin a line
    };
    for (const Case& c : cases) {
        LineAssembler a;
        bool ended = false;
        for (char b : c.bytes) ended = a.feed(b);
        ASSERT_TRUE(ended);
        EXPECT_EQ(a.take(), c.line);
        EXPECT_EQ(a.takeDropped(), c.dropped);
        EXPECT_EQ(a.takeDropped(), "");
    }
}

}  // namespace
}  // namespace mivo
