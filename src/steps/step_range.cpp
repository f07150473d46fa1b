#include "steps/step_range.h"

#include <algorithm>

#include "common/convert.h"
#include "common/said_text.h"
#include "steps/step_table.h"

namespace mivo {

std::optional<StepRange> CheckRange(const std::string& start, const std::string& end,
                                    Prompter& prompter) {
    StepRange r;
    try {
        r.start = StrToInt(start);
        r.end = StrToInt(end);
    } catch (const ConversionError& e) {
        prompter.notify(e.what(), kRangeCaption);
        return std::nullopt;
    }
    const char* refusal = nullptr;
    if (r.start > r.end)
        refusal = UI_TEXT("Message", "Check sending range");
    else if (start.starts_with('+') || end.starts_with('+'))
        refusal = UI_TEXT("Message", "+ cannot be inputted");
    else if (start.starts_with('-') || end.starts_with('-'))
        refusal = UI_TEXT("Message", "- cannot be inputted");
    else if (r.start < 0 || r.end >= kStepCount)  // e.g. " -1" or 1000: no such step
        refusal = UI_TEXT("Message", "Check sending range");
    if (refusal) {
        prompter.notify(refusal, kRangeCaption);
        return std::nullopt;
    }
    return r;
}

std::vector<StepRange> MergedSpans(std::vector<StepRange> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const StepRange& a, const StepRange& b) { return a.start < b.start; });
    std::vector<StepRange> merged;
    for (const StepRange& span : spans) {
        if (!merged.empty() && span.start <= merged.back().end + 1)
            merged.back().end = std::max(merged.back().end, span.end);
        else
            merged.push_back(span);
    }
    return merged;
}

int SpanSteps(const std::vector<StepRange>& spans) {
    int total = 0;
    for (const StepRange& span : spans) total += span.end - span.start + 1;
    return total;
}

}  // namespace mivo
