// The parameter editor's comparison with the controller: the parameters Parameter receive
// reads, the ticked ones sent by Parameter send's own procedure, each shown in its grid row.
#include <QTableView>

#include "parameters/grid_parameter_model.h"
#include "parameters/parameter_differences.h"
#include "parameters/parameter_editor.h"
#include "parameters/parameter_transfer.h"

namespace mivo {

MemoryCompareKind<ParameterTable> ParameterEditor::compareKind() {
    return {.read = [](ProcedureContext& ctx, const ParameterTable&,
                       ParameterTable& controller) { return ReceiveParameters(ctx, {controller}); },
            .differences = ParameterDifferences,
            .send =
                [this](ProcedureContext& ctx, const MemoryDataTarget<ParameterTable>& target) {
                    const auto rows = [this](int first, int last) { valuesChanged(first, last); };
                    return SendParameters(ctx, {target.data, {}, rows}, target.only);
                },
            .caption = "Parameter send",
            .copy = [](ParameterTable& to, const ParameterTable& from,
                       int number) { to.setValue(number, from.value(number)); },
            .select =
                [this](int number) {
                    const QModelIndex at = model_->index(number, ColValue);
                    grid_->setCurrentIndex(at);
                    grid_->scrollTo(at);
                }};
}

}  // namespace mivo
