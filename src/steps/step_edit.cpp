#include "steps/step_edit.h"

#include <algorithm>

#include "common/convert.h"
#include "common/said_text.h"
#include "steps/step_rules.h"

namespace mivo {

namespace {

// Reads every non-empty JUMP first, so that a bad one stops the operation before any row
// moves. Empty jumps are -1.
std::vector<int> ReadJumps(const StepTable& table) {
    std::vector<int> jumps(kStepCount, -1);
    for (int s = 0; s < kStepCount; ++s) {
        const std::string& j = table[s][FieldJump];
        if (j.empty()) continue;
        if (!TryStrToInt(j, jumps[static_cast<std::size_t>(s)]))
            throw ConversionError(
                Filled(UI_TEXT("Message", "'%1' is not a valid integer value (step %2)"),
                       {j, std::to_string(s)}));
    }
    return jumps;
}

void Renumber(StepTable& table, const std::vector<int>& jumps, int from, int delta,
              bool inclusive) {
    for (int s = 0; s < kStepCount; ++s) {
        const int t = jumps[static_cast<std::size_t>(s)];
        if (table[s][FieldJump].empty()) continue;
        if (inclusive ? t >= from : t > from) table[s][FieldJump] = std::to_string(t + delta);
    }
}

// The jumps of the rows after a move: row s takes the jump of row s - shift.
std::vector<int> Shifted(const std::vector<int>& jumps, int shift) {
    std::vector<int> out(kStepCount, -1);
    for (int s = 0; s < kStepCount; ++s) {
        const int from = s - shift;
        if (from >= 0 && from < kStepCount)
            out[static_cast<std::size_t>(s)] = jumps[static_cast<std::size_t>(from)];
    }
    return out;
}

void FillRow(StepRow& row, const std::string& line) {
    row.clear();
    std::size_t start = 0;
    for (int f = 0; f < kStepFieldCount; ++f) {
        const std::size_t comma = line.find(',', start);
        row[f] = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

}  // namespace

void InsertSteps(StepTable& table, int step, int count) {
    if (count <= 0 || step < 0 || step >= kStepCount) return;
    count = std::min(count, kStepCount - step);
    const std::vector<int> jumps = ReadJumps(table);
    // Rows from `step` move down; rows before stay.
    std::vector<int> moved(kStepCount, -1);
    for (int s = kStepCount - 1; s >= step + count; --s) table[s] = table[s - count];
    for (int s = 0; s < kStepCount; ++s) {
        const int from = s < step ? s : s - count;
        if (s >= step && s < step + count) continue;
        moved[static_cast<std::size_t>(s)] = jumps[static_cast<std::size_t>(from)];
    }
    for (int s = step; s < step + count; ++s) table[s].clear();
    Renumber(table, moved, step, count, true);
}

void DeleteSteps(StepTable& table, int first, int last) {
    if (first < 0 || last >= kStepCount || first > last) return;
    const int n = last - first + 1;
    const std::vector<int> jumps = ReadJumps(table);
    for (int s = first; s + n < kStepCount; ++s) table[s] = table[s + n];
    for (int s = kStepCount - n; s < kStepCount; ++s) table[s].clear();
    const std::vector<int> moved = Shifted(jumps, -n);
    std::vector<int> after(kStepCount, -1);
    for (int s = 0; s < kStepCount; ++s)
        after[static_cast<std::size_t>(s)] =
            s < first ? jumps[static_cast<std::size_t>(s)] : moved[static_cast<std::size_t>(s)];
    // A jump past the deleted steps follows its step; a jump into them keeps its number.
    Renumber(table, after, last, -n, false);
}

StepSpan WholeCirclePairs(const StepTable& table, int first, int last) {
    StepSpan span{first, last};
    if (IsSecondCircleRow(table, first)) --span.first;
    if (IsSecondCircleRow(table, last + 1)) ++span.last;
    return span;
}

int PairPartedByInsert(const StepTable& table, int step) {
    return IsSecondCircleRow(table, step) ? step - 1 : -1;
}

int PairPartedByBlock(const StepTable& table, int first, int last) {
    if (IsSecondCircleRow(table, first)) return first - 1;
    if (IsSecondCircleRow(table, last + 1)) return last;
    return -1;
}

std::string PairPartedMessage(int firstStep) {
    return Filled(
        UI_TEXT("Message", "Steps %1 and %2 are one circle step: they cannot be separated"),
        {std::to_string(firstStep), std::to_string(firstStep + 1)});
}

std::vector<std::string> CopySteps(const StepTable& table, int first, int last) {
    std::vector<std::string> lines;
    for (int s = std::max(first, 0); s <= last && s < kStepCount; ++s) {
        std::string line;
        for (int f = 0; f < kStepFieldCount; ++f) line += table[s][f] + ",";
        lines.push_back(std::move(line));
    }
    return lines;
}

int PasteLineCount(const std::vector<std::string>& lines) {
    std::size_t n = 0;
    while (n < lines.size() && !lines[n].empty()) ++n;
    return static_cast<int>(n);
}

PasteResult CheckPaste(const std::vector<std::string>& lines, int first, int last, bool block) {
    const int n = PasteLineCount(lines);
    if (n == 0) return PasteResult::Nothing;
    if (block && last - first + 1 != n) return PasteResult::RangeDiffers;
    return PasteResult::Done;
}

PasteResult PasteSteps(StepTable& table, int first, int last, bool block,
                       const std::vector<std::string>& lines) {
    const PasteResult check = CheckPaste(lines, first, last, block);
    if (check != PasteResult::Done) return check;
    const int count = PasteLineCount(lines);
    if (!block) InsertSteps(table, first, count);  // throws before anything moves
    for (int i = 0; i < count && first + i < kStepCount; ++i)
        FillRow(table[first + i], lines[static_cast<std::size_t>(i)]);
    return PasteResult::Done;
}

std::vector<bool> MovedRows(const StepTable& before, const StepTable& after, int by) {
    std::vector<bool> moved;
    if (by == 0) return moved;
    moved.resize(kStepCount);
    for (int s = std::max(by, 0); s < kStepCount + std::min(by, 0); ++s)
        moved[static_cast<std::size_t>(s)] = after[s] == before[s - by];
    return moved;
}

}  // namespace mivo
