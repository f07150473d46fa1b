#include "steps/step_compare.h"

#include <QAbstractItemModel>

#include "codepage/cp1252.h"
#include "shell/compare_panel.h"
#include "steps/grid_step_model.h"
#include "steps/step_differences.h"
#include "steps/step_editor.h"
#include "steps/step_transfer.h"

namespace mivo {

void StepCompare::compareWithController() {
    const std::string start = Cp1252::encode(editor_.rangeStart());
    const std::string end = Cp1252::encode(editor_.rangeEnd());
    editor_.runOperation([&](ProcedureContext& ctx) {
        const std::optional<StepRange> range = CheckRange(start, end, ctx.prompter);
        if (!range) return false;
        Compared compared;
        QuietReads reads(ctx);
        if (ReadCurrentProgram(reads, ctx.prompter, compared.controller, compared.program) !=
            Outcome::Completed)
            return false;
        compared.first = range->start;
        compared.last = range->end;
        compared_ = std::move(compared);
        relist();
        return false;
    });
}

void StepCompare::relist() {
    if (!compared_) return;
    std::vector<Difference>& listed = compared_->differences;
    listed.clear();
    for (Difference& d : StepDifferences(editor_.table(), compared_->controller))
        if (d.item >= compared_->first && d.item <= compared_->last) listed.push_back(std::move(d));
    if (!panel_) {
        // Below the grid, where its long step lines fit and the path preview keeps its height.
        panel_ = new ComparePanel(&editor_, editor_.prompter(),
                                  {[this](int step) { editor_.showStep(step); },
                                   [this] { sendSelected(); }, [this] { takeSelected(); }},
                                  Qt::BottomDockWidgetArea);
        // The table changed (an edit, a file opened, a receive): the list no longer holds.
        const auto outdate = [this] { outdated(); };
        QObject::connect(editor_.model_, &QAbstractItemModel::dataChanged, panel_, outdate);
        QObject::connect(editor_.model_, &QAbstractItemModel::modelReset, panel_, outdate);
    }
    panel_->showDifferences(listed);
}

void StepCompare::outdated() {
    if (panel_) panel_->markOutdated();
}

std::vector<StepRange> StepCompare::tickedSpans() const {
    std::vector<StepRange> spans;
    if (!panel_ || !compared_) return spans;
    for (const int i : panel_->ticked()) {
        const Difference& d = compared_->differences[static_cast<std::size_t>(i)];
        if (d.firstStep >= 0) spans.push_back({d.firstStep, d.lastStep});
    }
    return spans;
}

void StepCompare::sendSelected() {
    const std::vector<StepRange> spans = tickedSpans();
    if (editor_.operationRunning() || spans.empty() || !editor_.sendAfterCheck()) return;
    editor_.upperCaseCommands();
    editor_.runOperation([&](ProcedureContext& ctx) {
        if (SendStepSpans(ctx, editor_.stepTarget(), spans, compared_->program) ==
            Outcome::Completed) {
            // The controller now holds these steps as the table does.
            for (const StepRange& span : spans)
                for (int s = span.start; s <= span.end; ++s)
                    compared_->controller[s] = editor_.table()[s];
        }
        relist();
        return false;
    });
}

void StepCompare::takeSelected() {
    const std::vector<StepRange> spans = tickedSpans();
    if (editor_.operationRunning() || spans.empty()) return;
    editor_.applyChange("Take selected", [&](StepTable& table) {
        for (const StepRange& span : spans)
            for (int s = span.start; s <= span.end; ++s) {
                // The comment is the editor's own: the controller holds none.
                const std::string comment = table[s][FieldComment];
                table[s] = compared_->controller[s];
                table[s][FieldComment] = comment;
            }
    });
    relist();
}

}  // namespace mivo
