// The teaching screen and the step chooser as real widgets, opened from each editor over a
// pseudo-terminal served by the simulated controller: open, move, jog, OK or Cancel, and what
// reaches the opener. The openers' sequences have their own tests.
#include "teach/teach_screen.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "offsets/offset_editor.h"
#include "pallets/pallet_editor.h"
#include "parameters/parameter_editor.h"
#include "steps/editor_fixture.h"
#include "teach/step_chooser.h"

namespace mivo::test {
namespace {

class Teaching : public EditorFixture {
  protected:
    TeachScreen& teach() { return *static_cast<TeachScreen*>(screens.tteach); }
    void online() {
        useSimulatorAs(1);
        click(lineSwitchOf(editor));
        ASSERT_TRUE(link().isOnline());
    }
    template <class T = QPushButton>
    T* in(QWidget* screen, const char* name) {
        T* w = screen->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TeachTexts fields() {
        TeachTexts out;
        for (int f = 0; f < kTeachFieldCount; ++f)
            out[f] = teach().positionText(static_cast<TeachField>(f)).toStdString();
        return out;
    }
};

// A circle step: the screen opens with the GO move group, moves to the first point, "Pos 2"
// and GO move fill X2 and Y2, a jog reads into the point chosen, and OK hands all eight to the
// dialog, which stays open for its own OK.
TEST_F(Teaching, StepOpenerTeachesACircleIntoTheDialog) {
    online();
    sim.motion.originState = 1;
    sim.steps.programs[0][12] = "CIR 000,10,20,5";
    sim.steps.programs[0][13] = "CIR 000,30,40,50,60";
    table()[12] = {"CIR", "000", "1", "2", "3", "", "", "arc"};
    table()[13] = {"CIR", "000", "4", "5", "6", "7", "", "arc"};
    editor->stepsChanged(12, 13);
    doubleClickStep(12);
    prompter.answers = {true, true};  // GO move? on opening, and for point 2
    click(child<QPushButton>("Teaching"));
    ASSERT_TRUE(teach().isVisible());
    EXPECT_FALSE(dialog->isEnabled());
    EXPECT_TRUE(in<QGroupBox>(&teach(), "GroupBox3")->isVisibleTo(&teach()));
    EXPECT_EQ(fields(), (TeachTexts{"10.00", "20.00", "5.00", "0.00", "4", "5", "6", "7"}));
    in<QRadioButton>(&teach(), "Pos2")->setChecked(true);
    click(in(&teach(), "Button3"));
    click(in(&teach(), "Y1"));  // mode 1: one move, read into point 2
    const TeachTexts taught = fields();
    EXPECT_EQ(taught[TeachX2], "30.00");
    EXPECT_NE(taught[TeachY2], "40.00");
    EXPECT_EQ(taught[TeachX], "10.00");
    EXPECT_NE(teach().logText().indexOf("@CIR GO 12,2"), -1);
    EXPECT_NE(teach().logText().indexOf("@Y1+"), -1);
    click(in(&teach(), "Button1"));
    EXPECT_FALSE(teach().isVisible());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_FALSE(link().isDirectOnline());
    EXPECT_EQ(dialog->positions().texts, taught);
    EXPECT_EQ(table()[12].fields[2], "1");  // the step itself waits for the dialog's OK
}

// The three editors' openers: what the screen shows, Cancel writing nothing, and OK writing the
// editor's cells (for offsets after "@OFF", with the program's offsets read back). The move's
// question comes once the screen shows, so that its box belongs to it; the offset opener asks
// before its step is chosen. The window fits the fields shown each time.
TEST_F(Teaching, EditorOpenersWriteOnOkAndNothingOnCancel) {
    online();
    sim.motion.originState = 1;
    sim.parameters.values[4] = "-2.50";
    for (int j = 0; j < 7; ++j) sim.parameters.values[233 + j] = std::to_string(10 * (j + 1));
    sim.steps.currentProgram = 3;
    sim.steps.programs[3][5] = "POI 000,10,0,0,0";
    auto* parameters = static_cast<ParameterEditor*>(screens.tparameter);
    auto* pallets = static_cast<PalletEditor*>(screens.tpalet);
    auto* offsets = static_cast<OffsetEditor*>(screens.toffset);
    // Pallet 3 as the editor holds it.
    in<QLineEdit>(pallets, "PalletNo")->setText("3");
    struct Case {
        EditorFrame* editor;
        const char* action;
        std::deque<bool> openAnswers;
        unsigned shown;  // the fields shown
        std::function<std::string()> written;
        std::string after;
        bool shownAtQuestion = true;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {parameters, "ZI position teach", {true}, TeachBit(TeachZ), [&] { return parameters->table().value(4); }, "-2.50"},
        {pallets, "Teaching set", {true}, kTeachFirstPoint | kTeachOtherPoints, [&] { std::string all; for (const std::string& f : pallets->data().fields) all += f + ";"; return all; }, "10.00;20.00;30.00;;;;;2;2;"},  // the second and third points as preset
        {offsets, "Teaching set", {true, true}, kTeachFirstPoint, [&] { return offsets->data().program + ":" + offsets->data().values[0]; }, "3:0.00", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        screens.tselect->hide();
        editor->hide();
        c.editor->show();
        c.editor->applyOnlineState(true);
        const std::string before = c.written();
        for (const bool ok : {false, true}) {
            prompter.answers = c.openAnswers;
            std::optional<bool> shown;
            prompter.onMessage = [&](const Message&) {
                if (!shown) shown = teach().isVisible();
            };
            c.editor->action(c.action)->trigger();
            prompter.onMessage = nullptr;
            EXPECT_EQ(shown, c.shownAtQuestion);
            if (c.editor == offsets) {
                auto* chooser = static_cast<StepChooser*>(screens.treadoff);
                ASSERT_TRUE(chooser->isVisible());
                in<QLineEdit>(chooser, "Edit1")->setText("5");
                click(in(chooser, "Button2"));
                prompter.answers = {true};  // "@OFF command will be sent. OK?"
            }
            ASSERT_TRUE(teach().isVisible());
            for (const auto& [name, f] :
                 {std::pair{"Xposi", TeachX}, {"Zposi", TeachZ}, {"X2posi", TeachX2}})
                EXPECT_EQ(in<QLineEdit>(&teach(), name)->isVisibleTo(&teach()),
                          bool(c.shown & TeachBit(f)));
            EXPECT_LE(teach().height(), teach().sizeHint().height());
            click(in(&teach(), ok ? "Button1" : "Button2"));
            EXPECT_FALSE(teach().isVisible());
            EXPECT_TRUE(c.editor->isEnabled());
            EXPECT_EQ(c.written(), ok ? c.after : before);
        }
        c.editor->hide();
    }
}

}  // namespace
}  // namespace mivo::test
