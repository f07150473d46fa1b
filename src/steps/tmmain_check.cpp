// The step editor's program check: the findings in a dock beside the grid, and the question
// before a send when there are some.
#include <QDockWidget>
#include <QListWidget>
#include <QTableView>

#include "parameters/parameter_target.h"
#include "procedures/prompter.h"
#include "shell/cp1252.h"
#include "steps/program_check.h"
#include "steps/tmmain.h"

namespace mivo {

std::vector<Finding> Tmmain::checkFindings() const {
    const ParameterEditorAccess* parameters = parameters_;
    const AxisStrokes strokes =
        parameters
            ? StrokesFromParameters([parameters](int n) { return parameters->parameterValue(n); })
            : AxisStrokes{};
    return CheckProgram(table_, strokes);
}

void Tmmain::showFindings(const std::vector<Finding>& findings) {
    if (!checkDock_) {
        checkDock_ = new QDockWidget("Program check", this);
        checkDock_->setObjectName("CheckDock");
        findings_ = new QListWidget(checkDock_);
        findings_->setObjectName("Findings");
        checkDock_->setWidget(findings_);
        addDockWidget(Qt::BottomDockWidgetArea, checkDock_);
        connect(findings_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const int step = item->data(Qt::UserRole).toInt();
            if (step < 0) return;
            const QModelIndex cell = grid_->model()->index(step, 1);
            grid_->setCurrentIndex(cell);
            grid_->selectRow(step);
            grid_->scrollTo(cell);
            grid_->setFocus();
        });
    }
    findings_->clear();
    for (const Finding& f : findings) {
        auto* item = new QListWidgetItem(Cp1252::decode(FindingLine(f)), findings_);
        item->setData(Qt::UserRole, f.step);
    }
    if (findings.empty()) {
        auto* item = new QListWidgetItem("No findings: the program passes the check.", findings_);
        item->setData(Qt::UserRole, -1);
    }
    checkDock_->show();
}

void Tmmain::checkProgram() { showFindings(checkFindings()); }

QStringList Tmmain::findingLines() const {
    QStringList lines;
    if (!findings_) return lines;
    for (int i = 0; i < findings_->count(); ++i)
        if (findings_->item(i)->data(Qt::UserRole).toInt() >= 0)
            lines << findings_->item(i)->text();
    return lines;
}

bool Tmmain::sendAfterCheck() {
    const std::vector<Finding> findings = checkFindings();
    if (findings.empty()) return true;
    showFindings(findings);
    return prompter().ask(SendAnywayQuestion(findings), kCheckCaption);
}

}  // namespace mivo
