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
    RunRecord ended;
    ended.id = 12;
    ended.startMs = 1796850245123;
    ended.endMs = 1796850257469;
    ended.program = 3;
    ended.cycleMs = 12345;
    ended.steps = {{0, 0.35}, {17, 11.9954}, {4, -1}};
    ended.programHash = "9f2c";
    ended.robot = 2;
    ended.versions = "V1.20";
    ended.host = "mivo-editor";

    RunRecord failed;  // what is not known, and the error line's bytes as they came
    failed.startMs = 0;
    failed.endMs = 999;
    failed.result = RunResult::Error;
    failed.errorCode = "32:\"Pos\"\\ \t\r\n\x01\x7F";
    failed.host = "mivo";

    RunRecord cp1252;  // the controller's versions in Windows-1252, one byte it leaves undefined
    cp1252.result = RunResult::LineLost;
    cp1252.versions = "V1.20 \xB5m \x80 \x81 caf\xE9";
    cp1252.errorCode = "caf\xC3\xA9 \xE2\x80\xA8";  // well-formed UTF-8 stays so
    cp1252.host = "mivo";

    struct Case {
        const char* what;
        RunRecord run;
        std::string read;
    };
    // clang-format off
    const Case cases[] = {
        {"an END with its cycle and steps", ended,
         R"({"cycle_s":12.345,"end":"2026-12-09T21:04:17.469Z","end_ms":1796850257469,)"
         R"("error":null,"host":"mivo-editor","id":12,"program":3,"program_hash":"9f2c",)"
         R"("result":"END","robot":2,"start":"2026-12-09T21:04:05.123Z",)"
         R"("start_ms":1796850245123,"steps":[{"seconds":0.35,"step":0},)"
         R"({"seconds":11.995,"step":17},{"seconds":0.0,"step":4}],"versions":"V1.20"})"},
        {"an error, nothing else known", failed,
         R"({"cycle_s":null,"end":"1970-01-01T00:00:00.999Z","end_ms":999,)"
         R"("error":"32:\"Pos\"\\ \t\r\n\u0001\u007f","host":"mivo","id":0,"program":null,)"
         R"("program_hash":null,"result":"ERR","robot":null,"start":"1970-01-01T00:00:00.000Z",)"
         R"("start_ms":0,"steps":[],"versions":null})"},
        {"Windows-1252 and UTF-8 texts", cp1252,
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
