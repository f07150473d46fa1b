// The step editor's tool bar and menus.
#include "shell/keyboard_map.h"
#include "steps/program_initialize.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"

namespace mivo {

void StepEditor::buildCommands() {
    // Tool-bar buttons, left to right; the menus find them by their hints as written.
    // clang-format off
    std::vector<Button> buttons = fileButtons("STEP", [this] { newProgramming(); });
    for (Button b : std::vector<Button>{
             {QT_TRANSLATE_NOOP("Menu", "Step send"), "STEPSend", "Snd", true, [this] { sendSteps(); }, "go-up", QStyle::SP_ArrowUp},
             {QT_TRANSLATE_NOOP("Menu", "Quick send"), "STEPQuickSend", "QS", true, [this] { quickSendSteps(); }, "go-top", QStyle::SP_ArrowUp},
             {QT_TRANSLATE_NOOP("Menu", "Step receive"), "STEPReceive", "Rcv", true, [this] { receiveSteps(); }, "go-down", QStyle::SP_ArrowDown},
             {QT_TRANSLATE_NOOP("Menu", "Step initialize"), "STEPInit", "Ini", true, [this] { initializeSteps(); }, "edit-clear", QStyle::SP_DialogResetButton},
         })
        buttons.push_back(b);
    const char* run = QT_TRANSLATE_NOOP("Menu", "Operation execute");
    for (Button b : programButtons("STEP", run, StepStartQuestion)) buttons.push_back(b);
    buttons.push_back(endButton("STEP", [this] { endEditor(); }));
    buttons.push_back({QT_TRANSLATE_NOOP("Menu", "Error record display"), "STEPErrRec", "Err", true, [this] { showErrorRecord(); }, "dialog-warning", QStyle::SP_MessageBoxWarning});
    buttons.push_back({QT_TRANSLATE_NOOP("Menu", "Program No. acquire"), "STEPPgmNo", "No.", true, [this] { acquireProgramNo(); }, "view-list-ordered"});
    buildToolBar(buttons);

    addFileMenu();
    addEditMenu({
        {QT_TRANSLATE_NOOP("Menu", "&Insert"), "STEPIns", nullptr, [this] { insertSteps(); }},
        {QT_TRANSLATE_NOOP("Menu", "&Delete"), "STEPDel", nullptr, [this] { deleteSteps(); }},
        {nullptr},
        {QT_TRANSLATE_NOOP("Menu", "Chec&k program"), "STEPCheck", nullptr, [this] { checkProgram(); }, false, false, QKeySequence(Qt::CTRL | Qt::Key_K)},
    });
    std::vector<MenuItem> communication = {
        {QT_TRANSLATE_NOOP("Menu", "&COM set"), "MenuComSet", nullptr, [this] { comSet(); }, false, true},
        {QT_TRANSLATE_NOOP("Menu", "Step s&end"), "MenuStepSend", "Step send", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "&Quick send"), "MenuQuickSend", "Quick send", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "Step &receive"), "MenuStepReceive", "Step receive", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "Step &initialize"), "MenuStepInit", "Step initialize", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "C&ompare with controller"), "MenuCompare", nullptr, [this] { compare_->compareWithController(); }, true},
    };
    for (const MenuItem& item : programItems(run)) communication.push_back(item);
    addMenu(QT_TRANSLATE_NOOP("Menu", "&Communication"), communication);
    addDisplayMenu({
        {QT_TRANSLATE_NOOP("Menu", "&Error record display"), "MenuErrRec", "Error record display", {}, true},
        {QT_TRANSLATE_NOOP("Menu", "Pa&th preview"), "MenuPathPreview", nullptr, [this] { showPathPreview(); }},
        {QT_TRANSLATE_NOOP("Menu", "C&ycle estimate"), "MenuEstimate", nullptr, [this] { showEstimate(); }},
    });
    // Off line the dialog still shows the editor's own version.
    addMenu(QT_TRANSLATE_NOOP("Menu", "&Help"), {
        {QT_TRANSLATE_NOOP("Menu", "&Version"), "MenuVersion", nullptr, [this] { showVersion(); }},
        {QT_TRANSLATE_NOOP("Menu", "&Keyboard"), "MenuKeyboard", nullptr, [this] { ShowKeyboardMap(this); }},
    });
    // clang-format on
}

}  // namespace mivo
