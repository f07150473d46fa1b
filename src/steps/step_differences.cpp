#include "steps/step_differences.h"

#include <algorithm>

#include "steps/step_rules.h"

namespace mivo {

namespace {

std::string Command(const StepRow& row) {
    std::string command = row[FieldCommand];
    UpperCaseCommand(command);
    return command;
}

std::string Joined(std::initializer_list<const std::string*> fields) {
    std::string text;
    for (const std::string* f : fields) text += (text.empty() ? "" : ",") + *f;
    return text;
}

// The other row of the circle pair `step` belongs to, as a send walks the table; -1 for none.
std::vector<int> CirclePartners(const StepTable& table) {
    std::vector<int> partner(kStepCount, -1);
    for (int s = 0; s + 1 < kStepCount; ++s) {
        if (Command(table[s]) != "CIR" || Command(table[s + 1]) != "CIR") continue;
        partner[static_cast<std::size_t>(s)] = s + 1;
        partner[static_cast<std::size_t>(s) + 1] = s;
        ++s;
    }
    return partner;
}

// The steps a difference at `step` sends: its circle pairs on both sides whole.
void StepSpan(Difference& d, const std::vector<int>& file, const std::vector<int>& controller) {
    d.firstStep = d.lastStep = d.item;
    for (int round = 0; round < 2; ++round)
        for (const std::vector<int>* partners : {&file, &controller})
            for (const int s : {d.firstStep, d.lastStep}) {
                const int other = (*partners)[static_cast<std::size_t>(s)];
                if (other < 0) continue;
                d.firstStep = std::min(d.firstStep, other);
                d.lastStep = std::max(d.lastStep, other);
            }
}

}  // namespace

std::vector<std::string> StepHeldTexts(const StepTable& table) {
    const std::vector<int> partner = CirclePartners(table);
    std::vector<std::string> texts(kStepCount);
    for (int s = 0; s < kStepCount; ++s) {
        const StepRow& row = table[s];
        const std::string command = Command(row);
        const int other = partner[static_cast<std::size_t>(s)];
        std::string& text = texts[static_cast<std::size_t>(s)];
        if (command.empty()) continue;
        if (command == "POI" || command == "LIN" || command == "PAL" || command == "END") {
            text = Joined({&command, &row[FieldOperation], &row[FieldX], &row[FieldY], &row[FieldZ],
                           &row[FieldR]});
        } else if (command == "SEQ") {
            text = Joined({&command, &row[FieldOperation], &row[FieldJump]});
        } else if (other >= 0) {
            // The pair goes as one write with the first row's Operation.
            const std::string op = CircleWriteOperation(table[std::min(s, other)][FieldOperation]);
            text = other > s ? Joined({&command, &op, &row[FieldX], &row[FieldY], &row[FieldZ]})
                             : Joined({&command, &op, &row[FieldX], &row[FieldY], &row[FieldZ],
                                       &row[FieldR]});
        } else {
            // A step no send takes: all its fields but the Comment.
            text = Joined({&command, &row[FieldOperation], &row[FieldX], &row[FieldY], &row[FieldZ],
                           &row[FieldR], &row[FieldJump]});
        }
    }
    return texts;
}

std::vector<Difference> StepDifferences(const StepTable& file, const StepTable& controller) {
    std::vector<Difference> out;
    const std::vector<std::string> ours = StepHeldTexts(file);
    const std::vector<std::string> theirs = StepHeldTexts(controller);
    const std::vector<int> filePairs = CirclePartners(file);
    const std::vector<int> controllerPairs = CirclePartners(controller);
    for (int s = 0; s < kStepCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (ours[i] == theirs[i]) continue;
        Difference d{DataKind::Step, -1, s, "step " + std::to_string(s), ours[i], theirs[i]};
        StepSpan(d, filePairs, controllerPairs);
        out.push_back(std::move(d));
    }
    return out;
}

}  // namespace mivo
