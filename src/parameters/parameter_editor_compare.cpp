// The parameter editor's comparison with the controller: the controller's parameters read, the
// differing ones listed beside the grid, sent or taken item by item.
#include <QTableView>

#include "codepage/cp1252.h"
#include "parameters/grid_parameter_model.h"
#include "parameters/parameter_differences.h"
#include "parameters/parameter_editor.h"
#include "parameters/parameter_transfer.h"
#include "procedures/quiet_reads.h"
#include "shell/compare_panel.h"

namespace mivo {

struct ParameterEditor::Compared {
    ParameterTable controller;
    std::vector<Difference> differences;
};

void ParameterEditor::compareWithController() {
    runOperation([this](ProcedureContext& ctx) {
        auto compared = std::make_shared<Compared>();
        QuietReads reads(ctx);
        reads.then([&](ProcedureContext& read) {
            return ReceiveParameters(read, {compared->controller});
        });
        if (reads.outcome() != Outcome::Completed) return false;
        compared_ = std::move(compared);
        relistDifferences();
        return false;
    });
}

void ParameterEditor::relistDifferences() {
    if (!compared_) return;
    compared_->differences = ParameterDifferences(data_, compared_->controller);
    QStringList lines;
    std::vector<int> rows;
    for (const Difference& d : compared_->differences) {
        lines << Cp1252::decode(DifferenceLine(d));
        rows.push_back(d.item);
    }
    if (!compare_)
        compare_ = new ComparePanel(this, {[this](int number) {
                                               const QModelIndex at =
                                                   model_->index(number, ColValue);
                                               grid_->setCurrentIndex(at);
                                               grid_->scrollTo(at);
                                           },
                                           [this] { sendCompared(); }, [this] { takeCompared(); }});
    compare_->showItems(lines, rows);
}

std::vector<int> ParameterEditor::tickedNumbers() const {
    std::vector<int> numbers;
    if (!compare_ || !compared_) return numbers;
    for (const int i : compare_->ticked())
        numbers.push_back(compared_->differences[static_cast<std::size_t>(i)].item);
    return numbers;
}

void ParameterEditor::sendCompared() {
    const std::vector<int> numbers = tickedNumbers();
    if (operationRunning() || numbers.empty()) return;
    runOperation([&](ProcedureContext& ctx) {
        Outcome sent = Outcome::Failed;
        writeFromController(
            [&](const ParameterTarget& t) { sent = SendParameterItems(ctx, t, numbers); },
            "Parameter send");
        // The controller now holds these values as the table does.
        if (sent == Outcome::Completed)
            for (const int n : numbers) compared_->controller.setValue(n, data_.value(n));
        relistDifferences();
        return false;
    });
}

void ParameterEditor::takeCompared() {
    const std::vector<int> numbers = tickedNumbers();
    if (operationRunning() || numbers.empty()) return;
    editData("Take selected", [&](ParameterTable& t) {
        for (const int n : numbers) t.setValue(n, compared_->controller.value(n));
    });
    relistDifferences();
}

}  // namespace mivo
