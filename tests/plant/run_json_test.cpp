// A run's JSON as a JSON reader takes it: python3's json module reads each record's text
// (strictly as UTF-8) and writes it back sorted and in ASCII, which must say what the record
// holds.
#include "plant/run_json.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace mivo {
namespace {

// `json` read by python3 and written back canonically; its error when it reads no JSON.
std::string ReadBack(const std::string& json) {
    const test::TempDir dir;
    test::WriteBytes(dir / "run.json", json);
    const std::string command =
        std::string(MIVO_PYTHON3) +
        " -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1], encoding=\"utf-8\"))"
        ", ensure_ascii=True, sort_keys=True, separators=(\",\", \":\")))' " +
        (dir / "run.json") + " 2>&1";
    std::string out;
    if (std::FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
            out.append(buffer, n);
        ::pclose(p);
    }
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

TEST(RunJson, ReadByAJsonReaderAsTheRecordSays) {
    struct Case {
        const char* what;
        RunRecord run;
        std::string read;
    };
    // clang-format off
    const Case cases[] = {
        {"an END with its cycle and steps",
         {12, 1796850245123, 1796850257469, 3, RunResult::End, "", 12345,
          {{0, 0.35}, {17, 11.9954}, {4, -1}}, "9f2c", 2, "V1.20", "mivo-editor"},
         R"({"cycle_s":12.345,"end":"2026-12-09T21:04:17.469Z","end_ms":1796850257469,)"
         R"("error":null,"host":"mivo-editor","id":12,"program":3,"program_hash":"9f2c",)"
         R"("result":"END","robot":2,"start":"2026-12-09T21:04:05.123Z",)"
         R"("start_ms":1796850245123,"steps":[{"seconds":0.35,"step":0},)"
         R"({"seconds":11.995,"step":17},{"seconds":0.0,"step":4}],"versions":"V1.20"})"},
        // The error line's bytes as they came.
        {"an error, nothing else known",
         {0, 0, 999, -1, RunResult::Error, "32:\"Pos\"\\ \t\r\n\x01\x7F", {}, {}, "", -1, "",
          "mivo"},
         R"({"cycle_s":null,"end":"1970-01-01T00:00:00.999Z","end_ms":999,)"
         R"("error":"32:\"Pos\"\\ \t\r\n\u0001\u007f","host":"mivo","id":0,"program":null,)"
         R"("program_hash":null,"result":"ERR","robot":null,"start":"1970-01-01T00:00:00.000Z",)"
         R"("start_ms":0,"steps":[],"versions":null})"},
        // Versions in Windows-1252 (\x81 it leaves undefined); an error line of UTF-8 stays so.
        {"Windows-1252 and UTF-8 texts",
         {0, 0, 0, -1, RunResult::LineLost, "caf\xC3\xA9 \xE2\x80\xA8", {}, {}, "", -1,
          "V1.20 \xB5m \x80 \x81 caf\xE9", "mivo"},
         R"({"cycle_s":null,"end":"1970-01-01T00:00:00.000Z","end_ms":0,)"
         R"("error":"caf\u00e9 \u2028","host":"mivo","id":0,"program":null,)"
         R"("program_hash":null,"result":"LINE LOST","robot":null,)"
         R"("start":"1970-01-01T00:00:00.000Z","start_ms":0,"steps":[],)"
         R"("versions":"V1.20 \u00b5m \u20ac \u0081 caf\u00e9"})"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string json = RunJson(c.run);
        EXPECT_EQ(ReadBack(json), c.read) << json;
        // Neither a control byte nor a line separator stands bare in the text.
        for (const char byte : json) EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << json;
        EXPECT_EQ(json.find("\xE2\x80\xA8"), std::string::npos) << json;
    }
}

}  // namespace
}  // namespace mivo
