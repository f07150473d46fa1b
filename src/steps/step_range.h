#pragma once
// Ranges of steps: the send/receive range boxes' check, and the spans Send selected sends.
#include <optional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "common/said_text.h"

namespace mivo {

// The caption of the range refusals.
inline constexpr const char* kRangeCaption = UI_TEXT("Message", "Range");

struct StepRange {
    int start = 0;
    int end = 0;
    bool operator==(const StepRange&) const = default;
};

// The range boxes' texts as numbers. Refusals (caption "Range"): "Check sending range" when
// start > end (or a number beyond the last step), "+ cannot be inputted", "- cannot be
// inputted"; a text that is no number shows the conversion message. nullopt when refused.
std::optional<StepRange> CheckRange(const std::string& start, const std::string& end,
                                    Prompter& prompter);

// The spans in step order, those that overlap or touch joined, so that each step is in one.
std::vector<StepRange> MergedSpans(std::vector<StepRange> spans);

// How many steps the spans hold.
int SpanSteps(const std::vector<StepRange>& spans);

}  // namespace mivo
