#include "plant/run_json.h"

#include <cstdio>

#include "common/seconds_text.h"
#include "common/utf8_text.h"

namespace mivo {

namespace {

std::string TextOrNull(const std::string& text) { return text.empty() ? "null" : JsonString(text); }

std::string NumberOrNull(int number) { return number < 0 ? "null" : std::to_string(number); }

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (const char32_t c : TextCharacters(text)) {
        switch (c) {
            case U'"':
                out += "\\\"";
                continue;
            case U'\\':
                out += "\\\\";
                continue;
            case U'\b':
                out += "\\b";
                continue;
            case U'\f':
                out += "\\f";
                continue;
            case U'\n':
                out += "\\n";
                continue;
            case U'\r':
                out += "\\r";
                continue;
            case U'\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            AppendUtf8(out, c);
        }
    }
    return out + "\"";
}

std::string RunJson(const RunRecord& run) {
    std::string steps;
    for (const MeasuredStep& s : run.steps) {
        if (!steps.empty()) steps += ',';
        steps += "{\"step\":" + std::to_string(s.step) +
                 ",\"seconds\":" + ThousandthsText(s.seconds) + "}";
    }
    const std::string cycle =
        run.cycleMs ? ThousandthsText(static_cast<double>(*run.cycleMs) / 1000.0) : "null";
    return "{\"id\":" + std::to_string(run.id) +                     //
           ",\"start\":" + JsonString(UtcTimestamp(run.startMs)) +   //
           ",\"start_ms\":" + std::to_string(run.startMs) +          //
           ",\"end\":" + JsonString(UtcTimestamp(run.endMs)) +       //
           ",\"end_ms\":" + std::to_string(run.endMs) +              //
           ",\"program\":" + NumberOrNull(run.program) +             //
           ",\"result\":" + JsonString(RunResultWord(run.result)) +  //
           ",\"error\":" + TextOrNull(run.errorCode) +               //
           ",\"cycle_s\":" + cycle +                                 //
           ",\"steps\":[" + steps + "]" +                            //
           ",\"program_hash\":" + TextOrNull(run.programHash) +      //
           ",\"robot\":" + NumberOrNull(run.robot) +                 //
           ",\"versions\":" + TextOrNull(run.versions) +             //
           ",\"host\":" + JsonString(run.host) + "}";
}

}  // namespace mivo
