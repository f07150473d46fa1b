// The step editor's part in the shared file commands: the table's file content, the conversion
// of an opened file, and New programming.
#include <QTableView>
#include <memory>

#include "common/prompter.h"
#include "steps/grid_step_model.h"
#include "steps/step_files.h"
#include "steps/step_zeb.h"
#include "steps/tmmain.h"

namespace mivo {

std::string Tmmain::fileContent() const { return StepFileText(table_); }

bool Tmmain::convertFile(int filter, std::string_view content, Prompter& prompter) {
    const auto before = std::make_unique<StepTable>(table_);
    const bool converted = filter == OpenCrd ? ConvertZebSteps(table_, content, prompter)
                                             : ConvertStepText(table_, content, prompter);
    recordTableChange("Open", *before);
    return converted;
}

void Tmmain::fileOpened() {
    tableReplaced();
    programReplaced();
}

void Tmmain::newProgramming() {
    offerToSave();
    if (!prompter().ask("Is new program written?", "Step contents")) return;
    emptyTable("New programming");
    setStepModified(false);
    forgetFile();
}

void Tmmain::emptyTable(const QString& caption) {
    applyChange(caption, [](StepTable& t) { t.clear(); });
    programReplaced();
}

}  // namespace mivo
