#include "steps/program_check.h"

#include <algorithm>
#include <deque>

#include "common/convert.h"
#include "common/said_text.h"
#include "steps/step_commands.h"
#include "steps/step_rules.h"

namespace mivo {

namespace {

const char* const kAxes[4] = {"X", "Y", "Z", "R"};

// The positions the step takes (numbers, as RefusedStepValues has seen) within the strokes; a
// relative move's are not positions.
void CheckPositions(const StepValues& v, const AxisStrokes& strokes, int step,
                    std::vector<Finding>& out) {
    struct Box {
        const std::string* text;
        const char* name;
        int axis;
    };
    const Box boxes[8] = {{&v.x, "X", 0},   {&v.y, "Y", 1},   {&v.z, "Z", 2},   {&v.r, "R", 3},
                          {&v.x2, "X2", 0}, {&v.y2, "Y2", 1}, {&v.x3, "X3", 0}, {&v.y3, "Y3", 1}};
    const unsigned shown = BoxesOfStep(v.command, v.code).shown;
    const bool relative = v.command == "POI" && v.code == "8";
    for (int i = 0; i < 8; ++i) {
        const Box& b = boxes[i];
        if (!(shown & (1u << i)) || b.text->empty()) continue;
        double value = 0;
        if (relative || !strokes.known || !TryStrToFloat(*b.text, value)) continue;
        if (value < strokes.low[b.axis] || value > strokes.high[b.axis])
            out.push_back(
                {step, Filled(UI_TEXT("Message", "%1 %2 is outside the %3 stroke %4 to %5"),
                              {b.name, *b.text, kAxes[b.axis], FloatToStr(strokes.low[b.axis]),
                               FloatToStr(strokes.high[b.axis])})});
    }
}

// Where a jump goes: the step, or -1 with a finding.
int JumpTarget(const StepTable& table, const std::string& jump, int step,
               std::vector<Finding>& out) {
    int target = 0;
    if (!TryStrToInt(jump, target) || target < 0) {
        out.push_back({step, Filled(UI_TEXT("Message", "Jump-to '%1' is no step number"), {jump})});
        return -1;
    }
    if (target >= kStepCount) {
        out.push_back({step, Filled(UI_TEXT("Message", "Jump to step %1 is past 999"), {jump})});
        return -1;
    }
    if (table[target][FieldCommand].empty()) {
        out.push_back(
            {step, Filled(UI_TEXT("Message", "Jump to step %1, which is empty"), {jump})});
        return -1;
    }
    return target;
}

// Whether an END is reached from step 0, following the steps, jumps and calls.
bool EndReachable(const StepTable& table) {
    std::vector<bool> seen(kStepCount, false);
    std::deque<int> next{0};
    while (!next.empty()) {
        const int s = next.front();
        next.pop_front();
        if (s < 0 || s >= kStepCount || seen[static_cast<std::size_t>(s)]) continue;
        seen[static_cast<std::size_t>(s)] = true;
        std::string command = table[s][FieldCommand];
        UpperCaseCommand(command);
        if (command.empty()) continue;
        if (command == "END") return true;
        if (command == "CIR") {
            next.push_back(s + 2);
            continue;
        }
        if (command == "SEQ") {
            StepTable copy;
            copy[s] = table[s];
            const StepValues v = ReadStep(copy, s);
            int target = 0;
            if (SeqJumps(v.code) && TryStrToInt(v.jump, target)) next.push_back(target);
            if (v.code == "917" || v.code == "8") continue;  // return, unconditional jump
        }
        next.push_back(s + 1);
    }
    return false;
}

}  // namespace

AxisStrokes StrokesFromParameters(const std::function<std::string(int)>& value) {
    AxisStrokes s;
    s.known = true;
    for (int a = 0; a < 4 && s.known; ++a)
        s.known = TryStrToFloat(value(6 + a), s.high[a]) && TryStrToFloat(value(10 + a), s.low[a]);
    return s;
}

std::vector<Finding> CheckProgram(const StepTable& table, const AxisStrokes& strokes) {
    std::vector<Finding> out;
    StepTable copy = table;  // ReadStep upper-cases the Command it reads
    bool any = false;
    for (int s = 0; s < kStepCount; ++s) {
        const std::string& written = table[s][FieldCommand];
        if (written.empty()) continue;
        any = true;
        if (std::string refused = RefusedCommand(written); !refused.empty()) {
            out.push_back({s, std::move(refused)});
            continue;
        }
        std::string command = written;
        UpperCaseCommand(command);
        if (command == "CIR") {
            if (IsSecondCircleRow(table, s)) continue;  // checked with its first row
            std::string second = s + 1 < kStepCount ? table[s + 1][FieldCommand] : "";
            UpperCaseCommand(second);
            if (second != "CIR") {
                out.push_back({s, UI_TEXT("Message", "The circle lacks its second CIR row")});
                continue;
            }
        }
        const StepValues v = ReadStep(copy, s);
        if (const std::string refused = RefusedOperation(command, table[s][FieldOperation]);
            !refused.empty()) {
            out.push_back({s, refused});
            continue;
        }
        if (const std::string refused = RefusedStepValues(v); !refused.empty()) {
            out.push_back({s, refused});
            continue;
        }
        CheckPositions(v, strokes, s, out);
        if (command == "SEQ" && SeqJumps(v.code)) JumpTarget(table, v.jump, s, out);
    }
    if (any && !EndReachable(table))
        out.push_back({0, UI_TEXT("Message", "No END is reached from step 0")});
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding& a, const Finding& b) { return a.step < b.step; });
    return out;
}

std::string FindingLine(const Finding& finding) {
    return "step " + std::to_string(finding.step) + ": " + finding.text;
}

std::string SendAnywayQuestion(const std::vector<Finding>& findings) {
    const Finding& first = findings.front();
    const std::string step = std::to_string(first.step);
    if (findings.size() == 1)
        return Filled(UI_TEXT("Message", "The program check found step %1: %2.  Send anyway?"),
                      {step, first.text});
    return Filled(UI_TEXT("Message",
                          "The program check found %1 problems, the first step %2: "
                          "%3.  Send anyway?"),
                  {std::to_string(findings.size()), step, first.text});
}

}  // namespace mivo
