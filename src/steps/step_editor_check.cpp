// The step editor's program check: the findings in a dock beside the grid, and the question
// before a send when there are some.
#include <QDockWidget>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableView>

#include "common/prompter.h"
#include "i18n/translated_texts.h"
#include "parameters/parameter_target.h"
#include "steps/program_check.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"

namespace mivo {

AxisStrokes StepEditor::strokes() const {
    const ParameterEditorAccess* parameters = parameters_;
    if (!parameters) return {};
    return StrokesFromParameters([parameters](int n) { return parameters->parameterValue(n); });
}

std::vector<Finding> StepEditor::checkFindings() const { return CheckProgram(table_, strokes()); }

void StepEditor::showFindings(const std::vector<Finding>& findings) {
    if (!checkDock_) {
        checkDock_ = new QDockWidget(tr("Program check"), this);
        checkDock_->setObjectName("CheckDock");
        findings_ = new QListWidget(checkDock_);
        findings_->setObjectName("Findings");
        checkDock_->setWidget(findings_);
        addDockWidget(Qt::BottomDockWidgetArea, checkDock_);
        // A click or the arrow keys show a finding's step and leave the focus in the list;
        // activating one (double-click, Enter) takes the focus to the grid.
        const auto stepOf = [](QListWidgetItem* item) {
            return item ? item->data(Qt::UserRole).toInt() : -1;
        };
        connect(findings_, &QListWidget::currentItemChanged, this,
                [this, stepOf](QListWidgetItem* item) { showStep(stepOf(item)); });
        connect(findings_, &QListWidget::itemClicked, this,
                [this, stepOf](QListWidgetItem* item) { showStep(stepOf(item)); });
        connect(findings_, &QListWidget::itemActivated, this,
                [this, stepOf](QListWidgetItem* item) {
                    if (stepOf(item) >= 0) selectStep(stepOf(item));
                });
    }
    {
        // Filling the list moves no selection in the grid.
        const QSignalBlocker quiet(findings_);
        findings_->clear();
        for (const Finding& f : findings) {
            // "step N: TEXT" as `mivo check` prints it, in the user's language.
            const QString line =
                tr("step %1: %2").arg(QString::number(f.step), MessageText(f.text));
            auto* item = new QListWidgetItem(line, findings_);
            item->setData(Qt::UserRole, f.step);
        }
        if (findings.empty()) {
            auto* item =
                new QListWidgetItem(tr("No findings: the program passes the check."), findings_);
            item->setData(Qt::UserRole, -1);
        }
    }
    checkDock_->show();
}

void StepEditor::checkProgram() { showFindings(checkFindings()); }

void StepEditor::programReplaced() {
    // A compare no longer holds: the table or the controller's program is another.
    compare_->outdated();
    if (!findings_) return;
    if (checkDock_->isVisible()) {
        checkProgram();
    } else {
        const QSignalBlocker quiet(findings_);
        findings_->clear();
    }
}

QStringList StepEditor::findingLines() const {
    QStringList lines;
    if (!findings_) return lines;
    for (int i = 0; i < findings_->count(); ++i)
        if (findings_->item(i)->data(Qt::UserRole).toInt() >= 0)
            lines << findings_->item(i)->text();
    return lines;
}

bool StepEditor::sendAfterCheck() {
    const std::vector<Finding> findings = checkFindings();
    if (findings.empty()) return true;
    showFindings(findings);
    return prompter().ask(SendAnywayQuestion(findings), kCheckCaption);
}

}  // namespace mivo
