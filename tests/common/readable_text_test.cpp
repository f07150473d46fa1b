// Text from a file or the command line as messages quote it: control bytes as \xNN, a long
// text cut, at each source of such messages.
#include "common/readable_text.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/convert.h"
#include "steps/step_files.h"
#include "support/scripted_prompter.h"

namespace mivo {
namespace {

std::string Thrown(const std::function<void()>& convert) {
    try {
        convert();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

TEST(ReadableText, MessagesQuoteTextReadably) {
    const std::string escape = "\x1B[2J\x1B]0;owned\x07";
    const std::string megabyte(1 << 20, '9');
    struct Case {
        const char* what;
        std::function<std::string()> message;
        std::string shown;
    } cases[] = {
        {"integer", [&] { return Thrown([&] { StrToInt(escape); }); },
         "'\\x1B[2J\\x1B]0;owned\\x07' is not a valid integer value"},
        {"number of a megabyte", [&] { return Thrown([&] { StrToFloat(megabyte + "x"); }); },
         "'" + std::string(kReadableLength, '9') + "... (1048577 bytes)' is not a valid " +
             "floating point value"},
        {"step line that does not fit",
         [&] {
             StepTable t;
             test::ScriptedPrompter p;
             ConvertStepText(t, escape + ",\r\n", p);
             return p.details.at(0);
         },
         "line 1 of 1 has 1 comma, a step line has at least 7: \"\\x1B[2J\\x1B]0;owned\\x07,\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.message(), c.shown);
    }
}

}  // namespace
}  // namespace mivo
