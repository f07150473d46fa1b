#include "common/step_times.h"

#include <cmath>

#include "common/convert.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/seconds_text.h"

namespace mivo {

namespace {

constexpr std::string_view kHeader = "step,seconds";

}  // namespace

std::string StepTimesCsv(const std::vector<MeasuredStep>& steps) {
    std::string out(kHeader);
    out += '\n';
    for (const MeasuredStep& s : steps)
        out += std::to_string(s.step) + "," + ThousandthsText(s.seconds) + "\n";
    return out;
}

StepTimesRead ReadStepTimes(std::string_view text) {
    StepTimesRead out;
    bool header = false;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (!header) {
            header = true;
            if (line == kHeader) continue;
            out.problem = Filled(
                UI_TEXT("Message", "line %1: '%2' is not the header '%3'"),
                {std::to_string(number), ReadableText(std::string(line)), std::string(kHeader)});
            break;
        }
        const std::size_t comma = line.find(',');
        MeasuredStep s;
        if (comma == std::string_view::npos ||
            !TryStrToInt(std::string(line.substr(0, comma)), s.step) || s.step < 0 ||
            s.step > 999 || !TryStrToFloat(std::string(line.substr(comma + 1)), s.seconds) ||
            !std::isfinite(s.seconds) || s.seconds < 0) {
            out.problem = Filled(UI_TEXT("Message", "line %1: '%2' is no step and its seconds"),
                                 {std::to_string(number), ReadableText(std::string(line))});
            break;
        }
        out.steps.push_back(s);
    }
    if (out.problem.empty() && !header)
        out.problem = UI_TEXT("Message", "the file holds no step times");
    if (!out.problem.empty()) out.steps.clear();
    return out;
}

}  // namespace mivo
