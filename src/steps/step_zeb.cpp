#include "steps/step_zeb.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "common/convert.h"
#include "common/said_text.h"
#include "files/data_files.h"
#include "files/file_io.h"

// A ZEB line holds one step at fixed character positions, counted from 1. Characters 1 and 2
// select the command; each command has its Operation at fixed positions and either a comment
// from a fixed position to the end of the line, or a scan over a range of positions a to b.
//
// The scan: the text of a value runs from the previous separator (or from position a for the
// first one) up to the next separator. A ":" at a position within a..b ends a value; a ","
// within a..b ends the closing value and ends the scan: everything after that "," to the end of
// the line (it may lie beyond b and may hold ":" and ",") is the comment. Each value loses its
// label, the first characters of its text (two unless the command says otherwise); a text no
// longer than its label gives an empty value. Blanks are kept: values are the bytes as they
// stand. A separator beyond b, or beyond the end of the line, is not seen, so a value it would
// end is not taken. ":" values fill the command's value columns in order; values beyond those
// columns are dropped; the closing value goes to its own column; a short line fills only the
// columns it has values for.
//
// Choices where the old importer leaves room:
// - A CIR line that meets the last row (step 999) has no room for its second row: it is not
//   converted, and the check of the lines that did not fit reports "Steps over 1000 cannot be
//   open", since that CIR is a step beyond the table.
// - A file of fewer than 1000 lines is no ZEB data file (an empty file, one of carriage returns
//   only, a fragment): it is refused before the table is touched, so that it cannot replace a
//   program with empty steps.
// - The ZEB counts a CIR as one step where the table uses two rows, so every jump to a step
//   after a CIR pair moves up by one: with the pair at steps p and p + 1, a jump t >= p + 1
//   (the step right after the pair, and all later) becomes t + 1, the same rule as inserting
//   one step at p + 1. Each pair is applied in table order, so the shifts add up.
// - A JUMP text that is no number (blanks around a number are fine) is left as it stands.
// - An Operation that does not start with a digit selects nothing more, like a higher code.

namespace mivo {

namespace {

constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");
constexpr const char* kOverstepping =
    UI_TEXT("Message", "Because of overstepping of jump-to, subsequent files cannot be open");
constexpr const char* kTooManySteps = UI_TEXT("Message", "Steps over 1000 cannot be open");
constexpr const char* kZeroPosition = "  0.00";
constexpr std::size_t kEmptyStepLineLength = 6;
constexpr const char* kCannotOpen = UI_TEXT("Message", "File cannot be open");

// Characters `from` (counted from 1) to `to` of `line`, as far as the line has them.
std::string_view Mid(std::string_view line, std::size_t from, std::size_t to) {
    if (from > line.size()) return {};
    return line.substr(from - 1, to - from + 1);
}

// Characters `from` to the end of the line.
std::string_view From(std::string_view line, std::size_t from) {
    return from > line.size() ? std::string_view() : line.substr(from - 1);
}

struct Scan {
    std::vector<std::string_view> values;  // the ":" values in order
    bool closed = false;                   // a "," was found
    std::string_view closing;
    std::string_view comment;
};

std::string_view LessLabel(std::string_view text, std::size_t label) {
    return text.size() <= label ? std::string_view() : text.substr(label);
}

Scan ScanRange(std::string_view line, std::size_t a, std::size_t b, std::size_t firstLabel = 2,
               std::size_t laterLabel = 2, std::size_t closingLabel = 2) {
    Scan scan;
    const std::size_t end = std::min(b, line.size());
    std::size_t start = a - 1;  // index of the current value's first character
    for (std::size_t pos = a; pos <= end; ++pos) {
        const std::size_t i = pos - 1;
        if (line[i] == ':') {
            const std::size_t label = scan.values.empty() ? firstLabel : laterLabel;
            scan.values.push_back(LessLabel(line.substr(start, i - start), label));
            start = i + 1;
        } else if (line[i] == ',') {
            scan.closed = true;
            scan.closing = LessLabel(line.substr(start, i - start), closingLabel);
            scan.comment = line.substr(i + 1);
            break;
        }
    }
    return scan;
}

// Puts the scan's values into `columns` (in order), its closing value into `closingColumn` (none
// when negative) and its comment into the Comment.
void Apply(const Scan& scan, StepRow& row, std::initializer_list<int> columns, int closingColumn) {
    std::size_t v = 0;
    for (int column : columns) {
        if (v >= scan.values.size()) break;
        row[column].assign(scan.values[v++]);
    }
    if (scan.closed) {
        if (closingColumn >= 0) row[closingColumn].assign(scan.closing);
        row[FieldComment].assign(scan.comment);
    }
}

int CodeDigit(std::string_view operation) {
    if (operation.empty() || operation[0] < '0' || operation[0] > '9') return -1;
    return operation[0] - '0';
}

// The Operation as a three-digit number, or -1.
int ThreeDigits(std::string_view operation) {
    if (operation.size() != 3) return -1;
    int n = 0;
    for (char c : operation) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

void ConvertPoi(std::string_view line, StepRow& row) {
    row[FieldCommand] = "POI";
    row[FieldOperation].assign(Mid(line, 7, 9));
    const int code = CodeDigit(row[FieldOperation]);
    if (code >= 0 && code <= 2) {
        Apply(ScanRange(line, 11, 40), row, {FieldX, FieldY}, FieldZ);
        row[FieldR] = kZeroPosition;
    } else if (code >= 3 && code <= 5) {
        row[FieldComment].assign(From(line, 12));
    } else if (code == 6) {
        Apply(ScanRange(line, 11, 20), row, {}, FieldR);
        row[FieldX] = row[FieldY] = row[FieldZ] = kZeroPosition;
    } else if (code == 7 || code == 8) {
        Apply(ScanRange(line, 11, 50), row, {FieldX, FieldY, FieldZ}, FieldR);
    }
}

void ConvertLin(std::string_view line, StepRow& row) {
    row[FieldCommand] = "LIN";
    row[FieldOperation].assign(Mid(line, 6, 8));
    const int code = CodeDigit(row[FieldOperation]);
    if (code == 0 || code == 5) {
        Apply(ScanRange(line, 10, 40), row, {FieldX, FieldY}, FieldZ);
        row[FieldR] = kZeroPosition;
    } else if (code == 1) {
        Apply(ScanRange(line, 10, 40), row, {}, -1);
    } else if (code == 2 || code == 3) {
        row[FieldComment].assign(From(line, 11));
    } else if (code == 4) {
        Apply(ScanRange(line, 10, 50), row, {FieldX, FieldY, FieldZ}, FieldR);
    }
}

void ConvertSeq(std::string_view line, StepRow& row) {
    row[FieldCommand] = "SEQ";
    row[FieldOperation].assign(Mid(line, 10, 12));
    const int number = ThreeDigits(row[FieldOperation]);
    const int code = CodeDigit(row[FieldOperation]);
    if (number >= 900 && number <= 916) {
        Apply(ScanRange(line, 13, 22), row, {}, FieldJump);
    } else if (number == 917) {
        row[FieldComment].assign(From(line, 15));
    } else if (code >= 0 && code <= 5) {
        row[FieldComment].assign(From(line, 15));
    } else if (code >= 6 && code <= 8) {
        Apply(ScanRange(line, 14, 23), row, {}, FieldJump);
    }
}

void ConvertCir(std::string_view line, StepRow& first, StepRow& second) {
    first[FieldCommand] = second[FieldCommand] = "CIR";
    first[FieldOperation].assign(Mid(line, 8, 10));
    second[FieldOperation] = first[FieldOperation];
    const Scan scan = ScanRange(line, 12, 81, 2, 3, 2);
    std::string* targets[] = {&first[FieldX],  &first[FieldY],  &second[FieldX],
                              &second[FieldY], &second[FieldZ], &second[FieldR]};
    for (std::size_t v = 0; v < scan.values.size() && v < std::size(targets); ++v)
        targets[v]->assign(scan.values[v]);
    if (scan.closed) {
        first[FieldZ].assign(scan.closing);
        first[FieldComment].assign(scan.comment);
    }
}

// Converts one line into the rows from `step` on; gives the number of rows used.
int ConvertLine(std::string_view line, StepTable& table, int step) {
    StepRow& row = table[step];
    const std::string_view head = line.substr(0, std::min<std::size_t>(2, line.size()));
    if (head == "PO") {
        ConvertPoi(line, row);
    } else if (head == "LI") {
        ConvertLin(line, row);
    } else if (head == "SE") {
        ConvertSeq(line, row);
    } else if (head == "CI") {
        ConvertCir(line, row, table[step + 1]);
        return 2;
    } else if (head == "PA") {
        row[FieldCommand] = "PAL";
        row[FieldOperation].assign(Mid(line, 13, 15));
        row[FieldComment].assign(From(line, 18));
    } else if (head == "EN") {
        row[FieldCommand] = "END";
        row[FieldOperation].assign(Mid(line, 5, 7));
        row[FieldComment].assign(From(line, 10));
    } else {
        row[FieldComment].assign(From(line, 7));
    }
    return 1;
}

bool ParseJump(const std::string& text, int& value) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return TryStrToInt(text.substr(0, end), value);
}

// Moves the jump targets behind each CIR pair up by one. False after the overstepping message.
bool RenumberJumps(StepTable& table, Prompter& prompter) {
    int jumps[kStepCount];
    for (int s = 0; s < kStepCount; ++s) {
        const std::string& text = table[s][FieldJump];
        if (text.empty() || !ParseJump(text, jumps[s])) jumps[s] = -1;
    }
    for (int p = 0; p < kStepCount; ++p) {
        if (table[p][FieldCommand] != "CIR") continue;
        for (int s = 0; s < kStepCount; ++s) {
            if (s == p || s == p + 1 || jumps[s] < p + 1) continue;
            if (jumps[s] + 1 >= kStepCount) {
                for (int t = s; t < kStepCount; ++t) table[t].clear();
                prompter.notify(kOverstepping, kOpenCaption);
                return false;
            }
            table[s][FieldJump] = std::to_string(++jumps[s]);
        }
        ++p;  // the pair's second row
    }
    return true;
}

}  // namespace

bool ConvertZebSteps(StepTable& table, std::string_view content, Prompter& prompter) {
    const std::vector<std::string_view> lines = SplitLines(content);
    // As the parameter and pallet imports do: what is wrong in the detail that names the file.
    if (lines.size() < static_cast<std::size_t>(kStepCount)) {
        prompter.notifyDetail(
            kCannotOpen, kOpenCaption,
            TooFewLines(
                lines.size(),
                Filled(UI_TEXT("Message", "the steps of a ZEB data file stand in lines 1 to %1"),
                       {std::to_string(kStepCount)})));
        return false;
    }
    table.clear();
    std::size_t k = 0;  // the first line not converted, at the end
    for (int step = 0; step < kStepCount; ++k) {
        const std::string_view line = lines[k];
        if (line.starts_with("CI") && step + 1 >= kStepCount) break;  // no room for the pair
        step += ConvertLine(line, table, step);
    }
    if (!RenumberJumps(table, prompter)) return false;
    for (; k < static_cast<std::size_t>(kStepCount); ++k) {
        if (lines[k].size() != kEmptyStepLineLength) {
            prompter.notify(kTooManySteps, kOpenCaption);
            return false;
        }
    }
    return true;
}

}  // namespace mivo
