// The step editor's comparison with the controller: the controller's program read whole, the
// differing steps of the range listed beside the grid, sent or taken item by item.
#include <QAction>

#include "codepage/cp1252.h"
#include "procedures/program_control.h"
#include "procedures/quiet_reads.h"
#include "shell/compare_panel.h"
#include "steps/step_differences.h"
#include "steps/step_editor.h"
#include "steps/step_transfer.h"

namespace mivo {

struct StepEditor::Compared {
    StepTable controller;
    std::string program;
    int first = 0;
    int last = 0;
    std::vector<Difference> differences;
};

void StepEditor::compareWithController() {
    const std::string start = Cp1252::encode(rangeStart());
    const std::string end = Cp1252::encode(rangeEnd());
    runOperation([&](ProcedureContext& ctx) {
        const std::optional<StepRange> range = CheckRange(start, end, ctx.prompter);
        if (!range) return false;
        auto compared = std::make_shared<Compared>();
        QuietReads reads(ctx, [&](const std::string& number) {
            compared->program = number;
            if (ctx.showProgramNo) ctx.showProgramNo(number);
        });
        reads.then([&](ProcedureContext& read) {
            return ReceiveSteps(read, {compared->controller}, "0", "999");
        });
        if (reads.outcome() != Outcome::Completed) return false;
        if (ProgramIndex(compared->program) < 0) {
            ctx.prompter.notify("Check PGM No.", "Step receive");
            return false;
        }
        compared->first = range->start;
        compared->last = range->end;
        compared_ = std::move(compared);
        relistDifferences();
        return false;
    });
}

void StepEditor::relistDifferences() {
    if (!compared_) return;
    std::vector<Difference>& listed = compared_->differences;
    listed.clear();
    QStringList lines;
    std::vector<int> rows;
    for (Difference& d : StepDifferences(table_, compared_->controller)) {
        if (d.item < compared_->first || d.item > compared_->last) continue;
        lines << Cp1252::decode(DifferenceLine(d));
        rows.push_back(d.item);
        listed.push_back(std::move(d));
    }
    if (!compare_)
        compare_ = new ComparePanel(this, {[this](int step) { showStep(step); },
                                           [this] { sendCompared(); }, [this] { takeCompared(); }});
    compare_->showItems(lines, rows);
}

std::vector<StepRange> StepEditor::tickedSpans() const {
    std::vector<StepRange> spans;
    if (!compare_ || !compared_) return spans;
    for (const int i : compare_->ticked()) {
        const Difference& d = compared_->differences[static_cast<std::size_t>(i)];
        if (d.firstStep >= 0) spans.push_back({d.firstStep, d.lastStep});
    }
    return spans;
}

void StepEditor::sendCompared() {
    const std::vector<StepRange> spans = tickedSpans();
    if (operationRunning() || spans.empty() || !sendAfterCheck()) return;
    upperCaseCommands();
    runOperation([&](ProcedureContext& ctx) {
        if (SendStepSpans(ctx, stepTarget(), spans, compared_->program) == Outcome::Completed) {
            // The controller now holds these steps as the table does.
            for (const StepRange& span : spans)
                for (int s = span.start; s <= span.end; ++s) compared_->controller[s] = table_[s];
        }
        relistDifferences();
        return false;
    });
}

void StepEditor::takeCompared() {
    const std::vector<StepRange> spans = tickedSpans();
    if (operationRunning() || spans.empty()) return;
    applyChange("Take selected", [&](StepTable& table) {
        for (const StepRange& span : spans)
            for (int s = span.start; s <= span.end; ++s) {
                // The comment is the editor's own: the controller holds none.
                const std::string comment = table[s][FieldComment];
                table[s] = compared_->controller[s];
                table[s][FieldComment] = comment;
            }
    });
    relistDifferences();
}

}  // namespace mivo
