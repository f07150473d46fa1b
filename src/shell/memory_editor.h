#pragma once
// MemoryEditor: the editor of one memory kind whose data are small and kept whole (the
// parameter table, a pallet, one program's offsets), on the shared editor frame. What differs
// between the kinds is data: the file text and its conversion, New programming's question and
// reset, the transfers each runs on the main channel, and its comparison with the controller.
// Every change is one undoable edit of the data whole.
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/convert.h"
#include "common/prompter.h"
#include "common/readable_text.h"
#include "files/difference.h"
#include "procedures/memory_kind.h"
#include "procedures/procedure_context.h"
#include "procedures/quiet_reads.h"
#include "shell/compare_panel.h"
#include "shell/editor_frame.h"
#include "shell/keyboard_map.h"
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

// Communication > "Compare with controller" of a kind: how the controller's copy is read, what
// differs, and how ticked items (Difference::item) are sent, taken and shown.
template <class Data>
struct MemoryCompareKind {
    // The controller's copy of what `shown` shows read into `controller` (data as new) by the
    // kind's own receive, run quietly (QuietReads).
    std::function<Outcome(ProcedureContext&, const Data& shown, Data& controller)> read;
    std::function<std::vector<Difference>(const Data& file, const Data& controller)> differences;
    // The kind's send with its question, number check and refusals, of the items `target.only`
    // takes; `caption` names its undoable edit ("Pallet send").
    std::function<Outcome(ProcedureContext&, const MemoryDataTarget<Data>& target)> send;
    const char* caption = "";
    // Item `item` of `from` into `to`: a take, and the controller's copy after a send.
    std::function<void(Data& to, const Data& from, int item)> copy;
    // Shows item `item` in the screen: its grid cell, or its field.
    std::function<void(int item)> select;
    // The block the data name ("PALLET No.", the number as typed); none where the data are the
    // whole memory kind.
    std::string blockName = {};
    std::function<std::string(const Data&)> block = {};
};

// The comparison of a kind whose data are one numbered block of the memory (a pallet, one
// program's offsets): the block numbered by `number` read and sent by the kind's block
// `transfer`, `differences` of the block by its number, an item being an element of `items`.
template <class Data, class Items>
MemoryCompareKind<Data> BlockCompareKind(
    std::string Data::*number, Items Data::*items,
    Outcome (*transfer)(ProcedureContext&, MemoryOperation, const MemoryDataTarget<Data>&),
    std::vector<Difference> (*differences)(int, const Data&, const Data&), const char* caption,
    std::string blockName, std::function<void(int item)> select) {
    return {.read =
                [number, transfer](ProcedureContext& ctx, const Data& shown, Data& controller) {
                    controller.*number = shown.*number;
                    return transfer(ctx, MemoryOperation::Receive, {controller});
                },
            .differences =
                [number, differences](const Data& file, const Data& controller) {
                    int block = -1;  // the receive read it as an integer
                    TryStrToInt(controller.*number, block);
                    return differences(block, file, controller);
                },
            .send =
                [transfer](ProcedureContext& ctx, const MemoryDataTarget<Data>& target) {
                    return transfer(ctx, MemoryOperation::Send, target);
                },
            .caption = caption,
            .copy =
                [items](Data& to, const Data& from, int item) {
                    const auto i = static_cast<std::size_t>(item);
                    (to.*items)[i] = (from.*items)[i];
                },
            .select = std::move(select),
            .blockName = std::move(blockName),
            .block = [number](const Data& d) { return d.*number; }};
}

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

    // Communication > "Compare with controller": reads the controller's copy and lists the items
    // that differ from the data beside the grid; the ticked ones sent ("Send selected", after
    // the send's own questions) or taken into the data ("Take selected", one undoable edit).
    void compareWithController() {
        if (!compare_.read) return;
        runOperation([this](ProcedureContext& ctx) {
            Compared compared;
            QuietReads reads(ctx);
            reads.then([&](ProcedureContext& read) {
                return compare_.read(read, data_, compared.controller);
            });
            if (reads.outcome() != Outcome::Completed) return false;
            compared_ = std::move(compared);
            relistDifferences();
            return false;
        });
    }
    void sendCompared() {
        const std::vector<int> items = tickedItems(true);
        if (operationRunning() || items.empty() || !sameBlock()) return;
        runOperation([&](ProcedureContext& ctx) {
            const auto only = [&](int item) {
                return std::find(items.begin(), items.end(), item) != items.end();
            };
            Outcome sent = Outcome::Failed;
            recordChangeBy<Data>(
                compare_.caption, data_,
                [&] {
                    sent = compare_.send(ctx, {data_,
                                               {},
                                               [this] { showChanged(); },
                                               [this] { return onlineShown(); },
                                               only});
                },
                [this] { showChanged(); });
            // The controller now holds these items as the data do.
            if (sent == Outcome::Completed)
                for (const int item : items) compare_.copy(compared_->controller, data_, item);
            relistDifferences();
            return false;
        });
    }
    void takeCompared() {
        const std::vector<int> items = tickedItems(false);
        if (operationRunning() || items.empty() || !sameBlock()) return;
        editData("Take selected", [&](Data& d) {
            for (const int item : items) compare_.copy(d, compared_->controller, item);
        });
        relistDifferences();
    }
    ComparePanel* comparePanel() const { return comparePanel_; }

    // Offers to save, asks the kind's question, then starts from the kind's data as a clean
    // point.
    void newProgramming() {
        offerToSave();
        if (!prompter().ask(kind_.newQuestion, kind_.contentsCaption)) return;
        transferLog().clear();
        recordChangeBy<Data>(
            "New programming", data_, [this] { kind_.reset(data_); }, [this] { showChanged(); });
        setModified(false);
        if (kind_.newForgetsFile) forgetFile();
        showChanged();
    }

  protected:
    // The screen shows the data as they are.
    virtual void shown() = 0;
    // The data changed: shown anew, and a compare no longer holds (it says so).
    void showChanged() {
        shown();
        outdateCompare();
    }
    void outdateCompare() {
        if (comparePanel_) comparePanel_->markOutdated();
    }

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
    // The names of a block kind's transfers: "Pallet send" (its menu item and undoable edit),
    // the send button's hint and name, "Pallet receive" and its button's name, and "Pallet
    // initialize" (a menu item only).
    struct BlockTransferNames {
        const char* send;
        const char* sendHint;
        const char* sendButton;
        const char* receive;
        const char* receiveButton;
        const char* initialize;
    };
    // A block kind's send, receive and initialisation by its block `transfer`, and the compare.
    template <class Result>
    std::vector<Transfer> blockTransfers(const BlockTransferNames& n,
                                         Result (*transfer)(ProcedureContext&, MemoryOperation,
                                                            const MemoryDataTarget<Data>&)) {
        const auto run = [this, transfer](const char* caption, MemoryOperation operation) {
            return
                [this, transfer, caption, operation] { runTransfer(caption, transfer, operation); };
        };
        return {{n.send, "MenuSend", n.sendHint, n.sendButton, "Snd",
                 run(n.send, MemoryOperation::Send)},
                {n.receive, "MenuReceive", n.receive, n.receiveButton, "Rcv",
                 run(n.receive, MemoryOperation::Receive)},
                {n.initialize, "MenuInit", nullptr, nullptr, nullptr,
                 run(n.initialize, MemoryOperation::Initialize)},
                compareCommand()};
    }
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
        for (Button b : programButtons(prefix, QT_TRANSLATE_NOOP("Menu", "Program execute"),
                                       std::move(startQuestion)))
            buttons.push_back(b);
        buttons.push_back(std::move(teach));
        buttons.push_back(endButton(prefix, std::move(end)));
        buildToolBar(buttons);

        addFileMenu(std::move(fileEnd));
        addEditMenu();
        communication.push_back({nullptr});
        for (const MenuItem& item : programItems(QT_TRANSLATE_NOOP("Menu", "Program execute")))
            communication.push_back(item);
        addMenu(QT_TRANSLATE_NOOP("Menu", "Communication"), communication);
        addDisplayMenu();
        addMenu(QT_TRANSLATE_NOOP("Menu", "&Help"),
                {{QT_TRANSLATE_NOOP("Menu", "&Keyboard"), "MenuKeyboard", nullptr,
                  [this] { ShowKeyboardMap(this); }}});
    }

    // Where "Teaching" writes back (`teach_`, titled `title`): the teaching screen starts from the
    // data's `positions`, and its OK writes the taught texts by `write` (with the block number
    // it names) as one undoable edit named `caption`.
    void teachBy(const char* title, std::function<TeachPositions(const Data&)> positions,
                 const QString& caption,
                 std::function<void(Data&, const TeachTexts&, const std::string& block)> write) {
        teach_ = std::make_unique<OpenerTeachTarget>(
            title, [this, positions] { return positions(data_); },
            [this, caption, write](const TeachTexts& taught, const std::string& block) {
                editData(caption, [&](Data& d) { write(d, taught, block); });
            });
    }
    // `change` of the data as one undoable edit named `caption` (a cell, a field, a teaching).
    void editData(const QString& caption, const std::function<void(Data&)>& change,
                  int mergeKey = -1) {
        recordEdit<Data>(
            caption, data_, change, [this] { showChanged(); }, mergeKey);
    }
    // A transfer on the main channel; what it writes of the data is one undoable edit.
    void runTransfer(const QString& caption, const std::function<void(ProcedureContext&)>& body) {
        recordChangeBy<Data>(
            caption, data_, [&] { runProcedure(body); }, [this] { showChanged(); });
        // A send or an initialisation may have changed the controller's copy.
        outdateCompare();
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
                     {data_, {}, [this] { showChanged(); }, [this] { return onlineShown(); }});
        });
    }
    // The comparison of the kind; `compareCommand` is its Communication menu item.
    void setCompare(MemoryCompareKind<Data> compare) { compare_ = std::move(compare); }
    Transfer compareCommand() {
        const auto run = [this] { compareWithController(); };
        return {QT_TRANSLATE_NOOP("Menu", "Compare with controller"),
                "MenuCompare",
                nullptr,
                nullptr,
                nullptr,
                run};
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
        recordChangeBy<Data>(caption, data_, write, [this] { showChanged(); });
        // A procedure that wrote the data (a file, a transfer) may have changed either side.
        outdateCompare();
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
    // The controller's copy as last read or sent, and the items listed.
    struct Compared {
        Data controller;
        std::vector<Difference> differences;
    };

    // The list anew from the data and the controller's copy.
    void relistDifferences() {
        if (!compared_) return;
        compared_->differences = compare_.differences(data_, compared_->controller);
        if (!comparePanel_)
            comparePanel_ =
                new ComparePanel(this, prompter(),
                                 {[this](int item) { compare_.select(item); },
                                  [this] { sendCompared(); }, [this] { takeCompared(); }});
        comparePanel_->showDifferences(compared_->differences);
    }
    // The ticked items; for a send only those that can be sent.
    std::vector<int> tickedItems(bool sent) const {
        std::vector<int> items;
        if (!comparePanel_ || !compared_) return items;
        for (const int i : comparePanel_->ticked()) {
            const Difference& d = compared_->differences[static_cast<std::size_t>(i)];
            if (!sent || d.memory >= 0) items.push_back(d.item);
        }
        return items;
    }
    // The list belongs to the block compared: while the data name another, it is neither sent
    // nor taken, and the user is told to compare again.
    bool sameBlock() {
        if (!compare_.block) return true;
        const std::string was = compare_.block(compared_->controller);
        const std::string now = compare_.block(data_);
        if (was == now) return true;
        prompter().notify("The list compares " + compare_.blockName + " " + ReadableText(was) +
                              ", the screen shows " + ReadableText(now) + ". Compare again.",
                          "Compare with controller");
        return false;
    }

    MemoryEditorKind<Data> kind_;
    MemoryCompareKind<Data> compare_;
    std::optional<Compared> compared_;
    ComparePanel* comparePanel_ = nullptr;
};

}  // namespace mivo
