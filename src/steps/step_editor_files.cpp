// The step editor's part in the shared file commands: the table's file content, the conversion
// of an opened file, and New programming.
#include <QTableView>
#include <memory>

#include "common/prompter.h"
#include "steps/grid_step_model.h"
#include "steps/step_editor.h"
#include "steps/step_files.h"

namespace mivo {

std::string StepEditor::fileContent() const { return StepFileText(table_); }

bool StepEditor::convertFile(int filter, std::string_view content, Prompter& prompter) {
    const auto before = std::make_unique<StepTable>(table_);
    const bool converted = ConvertStepFile(table_, filter, content, prompter);
    recordTableChange("Open", *before);
    return converted;
}

void StepEditor::fileOpened() {
    tableReplaced();
    programReplaced();
}

void StepEditor::newProgramming() {
    offerToSave();
    if (!prompter().ask(QT_TRANSLATE_NOOP("Message", "Is new program written?"),
                        QT_TRANSLATE_NOOP("Message", "Step contents")))
        return;
    emptyTable("New programming");
    setStepModified(false);
    forgetFile();
}

void StepEditor::emptyTable(const QString& caption) {
    applyChange(caption, [](StepTable& t) { t.clear(); });
    programReplaced();
}

}  // namespace mivo
