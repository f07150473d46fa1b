// The step editor's tool bar and menus.
#include "steps/program_initialize.h"
#include "steps/step_compare.h"
#include "steps/step_editor.h"

namespace mivo {

void StepEditor::buildCommands() {
    // Tool-bar buttons, left to right.
    std::vector<Button> buttons = fileButtons("STEP", [this] { newProgramming(); });
    for (Button b : std::vector<Button>{
             {"Step send", "STEPSend", "Snd", true, [this] { sendSteps(); }, "go-up",
              QStyle::SP_ArrowUp},
             {"Quick send", "STEPQuickSend", "QS", true, [this] { quickSendSteps(); }, "go-top",
              QStyle::SP_ArrowUp},
             {"Step receive", "STEPReceive", "Rcv", true, [this] { receiveSteps(); }, "go-down",
              QStyle::SP_ArrowDown},
             {"Step initialize", "STEPInit", "Ini", true, [this] { initializeSteps(); },
              "edit-clear", QStyle::SP_DialogResetButton},
         })
        buttons.push_back(b);
    for (Button b : programButtons("STEP", "Operation execute", StepStartQuestion))
        buttons.push_back(b);
    buttons.push_back(endButton("STEP", [this] { endEditor(); }));
    buttons.push_back({"Error record display", "STEPErrRec", "Err", true,
                       [this] { showErrorRecord(); }, "dialog-warning",
                       QStyle::SP_MessageBoxWarning});
    buttons.push_back({"Program No. acquire", "STEPPgmNo", "No.", true,
                       [this] { acquireProgramNo(); }, "view-list-ordered"});
    buildToolBar(buttons);

    addFileMenu();
    addEditMenu({
        {"&Insert", "STEPIns", nullptr, [this] { insertSteps(); }},
        {"&Delete", "STEPDel", nullptr, [this] { deleteSteps(); }},
        {nullptr},
        {"Chec&k program", "STEPCheck", nullptr, [this] { checkProgram(); }, false, false,
         QKeySequence(Qt::CTRL | Qt::Key_K)},
    });
    std::vector<MenuItem> communication = {
        {"&COM set", "MenuComSet", nullptr, [this] { comSet(); }, false, true},
        {"Step s&end", "MenuStepSend", "Step send", {}, true},
        {"&Quick send", "MenuQuickSend", "Quick send", {}, true},
        {"Step &receive", "MenuStepReceive", "Step receive", {}, true},
        {"Step &initialize", "MenuStepInit", "Step initialize", {}, true},
        {"C&ompare with controller", "MenuCompare", nullptr,
         [this] { compare_->compareWithController(); }, true},
    };
    for (const MenuItem& item : programItems("Operation execute")) communication.push_back(item);
    addMenu("&Communication", communication);
    addDisplayMenu({{"&Error record display", "MenuErrRec", "Error record display", {}, true},
                    {"Pa&th preview", "MenuPathPreview", nullptr, [this] { showPathPreview(); }},
                    {"C&ycle estimate", "MenuEstimate", nullptr, [this] { showEstimate(); }}});
    // Off line the dialog still shows the editor's own version.
    addMenu("&Help", {{"&Version", "MenuVersion", nullptr, [this] { showVersion(); }}});
}

}  // namespace mivo
