#pragma once
// MemoryEditor: the editor of one memory kind whose data are small and kept whole (the
// parameter table, a pallet, one program's offsets), on the shared editor frame. What differs
// between the kinds is data: the file text and its conversion, New programming's question and
// reset, and the transfers each runs on the main channel. Every change is one undoable edit of
// the data whole.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "procedures/memory_kind.h"
#include "procedures/procedure_context.h"
#include "shell/editor_frame.h"
#include "shell/teach_target.h"

namespace mivo {

template <class Data>
struct MemoryEditorKind {
    DataKind kind;
    const FileKind& files;
    const char* objectName;  // "Tpalet"
    const char* caption;     // "MIVO Editor [Pallet]"
    std::function<std::string(const Data&)> fileText;
    // The content of a file of filter `filter` into the data; false when it stopped.
    std::function<bool(Data&, int filter, std::string_view content, Prompter&)> convert;
    // New programming: its question and caption, and the data it starts from.
    const char* newQuestion;
    const char* contentsCaption;
    std::function<void(Data&)> reset;
    bool newForgetsFile = true;  // the data no longer name the file opened
};

template <class Data>
class MemoryEditor : public EditorFrame {
  public:
    MemoryEditor(const EditorLinks& links, MemoryEditorKind<Data> kind, QWidget* parent)
        : EditorFrame(links, kind.kind, kind.files, parent), kind_(std::move(kind)) {
        setObjectName(kind_.objectName);
        clearLogOnLeaving();
        setCaption(kind_.caption);
    }

    // The data; every write goes through the editor, one undoable edit that sets the modified
    // flag.
    const Data& data() const { return data_; }
    // Where the teaching screen writes back ("Teaching set", "ZI position teach").
    TeachTarget& teachTarget() { return *teach_; }

    // Offers to save, asks the kind's question, then starts from the kind's data as a clean
    // point.
    void newProgramming() {
        offerToSave();
        if (!prompter().ask(kind_.newQuestion, kind_.contentsCaption)) return;
        transferLog().clear();
        recordChangeBy<Data>(
            "New programming", data_, [this] { kind_.reset(data_); }, [this] { shown(); });
        setModified(false);
        if (kind_.newForgetsFile) forgetFile();
        shown();
    }

  protected:
    // The screen shows the data as they are.
    virtual void shown() = 0;

    // A transfer command: an item of the Communication menu, and a tool-bar button where it
    // has a hint (the menu item then triggers the button).
    struct Transfer {
        const char* text;      // "Pallet send"
        const char* menuName;  // "MenuSend"
        const char* hint;      // nullptr: a menu item only
        const char* buttonName;
        const char* face;
        std::function<void()> run;
    };
    // The tool bar (file buttons, `transfers`, program control, `teach`, "Initial screen move"
    // running `end`) and the File (its "End" runs `fileEnd` where given), Edit, Communication
    // and Display menus. Object names begin with `prefix`.
    void buildCommands(const char* prefix, const std::vector<Transfer>& transfers,
                       std::function<std::string(const std::string&)> startQuestion, Button teach,
                       std::function<void()> end, std::function<void()> fileEnd = {}) {
        std::vector<Button> buttons = fileButtons(prefix, [this] { newProgramming(); });
        std::vector<MenuItem> communication;
        for (const Transfer& t : transfers) {
            if (t.hint) buttons.push_back({t.hint, t.buttonName, t.face, true, t.run});
            communication.push_back(t.hint ? MenuItem{t.text, t.menuName, t.hint, {}, true}
                                           : MenuItem{t.text, t.menuName, nullptr, t.run, true});
        }
        for (Button b : programButtons(prefix, "Program execute", std::move(startQuestion)))
            buttons.push_back(b);
        buttons.push_back(std::move(teach));
        buttons.push_back(endButton(prefix, std::move(end)));
        buildToolBar(buttons);

        addFileMenu(std::move(fileEnd));
        addEditMenu();
        communication.push_back({nullptr});
        for (const MenuItem& item : programItems("Program execute")) communication.push_back(item);
        addMenu("Communication", communication);
        addDisplayMenu();
    }

    // `change` of the data as one undoable edit named `caption` (a cell, a field, a teaching).
    void editData(const QString& caption, const std::function<void(Data&)>& change,
                  int mergeKey = -1) {
        recordEdit<Data>(
            caption, data_, change, [this] { shown(); }, mergeKey);
    }
    // A transfer on the main channel; what it writes of the data is one undoable edit.
    void runTransfer(const QString& caption, const std::function<void(ProcedureContext&)>& body) {
        recordChangeBy<Data>(
            caption, data_, [&] { runProcedure(body); }, [this] { shown(); });
    }
    // A block transfer (`TransferPallet`, `TransferOffsets`) writing the data through its
    // target (data, modified flag, shown, on line); what it writes is one undoable edit.
    template <class Result>
    void runTransfer(const QString& caption,
                     Result (*transfer)(ProcedureContext&, MemoryOperation,
                                        const MemoryDataTarget<Data>&),
                     MemoryOperation operation) {
        runTransfer(caption, [&](ProcedureContext& ctx) {
            transfer(ctx, operation,
                     {data_, {}, [this] { shown(); }, [this] { return onlineShown(); }});
        });
    }
    // Minimised but not maximised.
    void withoutMaximise() {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
    }
    // Opens at its written size, centred; at most that size.
    void setFixedWrittenSize(QSize size) {
        setWrittenSize(size);
        setMinimumSize(0, 0);
        setMaximumSize(size);
        withoutMaximise();
    }
    // What a procedure writes (`write`) as one undoable edit named `caption`.
    void writeData(const QString& caption, const std::function<void()>& write) {
        recordChangeBy<Data>(caption, data_, write, [this] { shown(); });
    }

    std::string fileContent() const override { return kind_.fileText(data_); }
    bool convertFile(int filter, std::string_view content, Prompter& prompter) override {
        bool converted = false;
        writeData("Open", [&] { converted = kind_.convert(data_, filter, content, prompter); });
        return converted;
    }
    void fileOpened() override { shown(); }

    Data data_;
    std::unique_ptr<TeachTarget> teach_;

  private:
    MemoryEditorKind<Data> kind_;
};

}  // namespace mivo
