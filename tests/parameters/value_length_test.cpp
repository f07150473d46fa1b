// How many characters a value of the controller's memory may have, and the editors' cells that
// refuse a longer one where it is typed.
#include <QTableView>
#include <cstring>

#include "parameters/parameter_catalogue.h"
#include "parameters/parameter_table.h"
#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

TEST(ValueLength, FollowsTheInputRange) {
    struct Case {
        const char* what;
        int number;
        std::string value;
        bool fits;
    } cases[] = {
        {"speed of range 1 - 200 in two decimals", PrmXMaxSpeed, "200.00", true},
        {"speed a digit too wide", PrmXMaxSpeed, "1200.00", false},
        {"stroke of range 0 - -999.99", 10, "-999.99", true},
        {"choice too wide", 40, "1,2;3", false},
        {"offset, a position", OffsetParameter(5, 3), "-999.99", true},
        {"pallet corner too wide", PalletParameter(19, PalletY3), "-1000.00", false},
        {"pallet sections", PalletParameter(0, PalletYPartitions), "99.00", true},
        {"reserved holds nothing", 3, "1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.value.size() <= ValueLength(c.number), c.fits) << ValueLength(c.number);
    }
    // Every value the editor writes itself fits.
    for (int n = 0; n < kEditableParameterCount; ++n)
        EXPECT_LE(ParameterCatalogue(n).initial.size(), ValueLength(n)) << n;
    for (const RobotSet& set : RobotSets())
        for (std::size_t i = 0; i < kRobotDependentCount; ++i)
            EXPECT_LE(std::strlen(set.initial[i]), ValueLength(kRobotDependentParameters[i]));
}

using EditorCells = ShellFixture;

TEST_F(EditorCells, ValueTooLongIsRefusedWhereTyped) {
    struct Case {
        const char* what;
        QWidget* editor;
        const char* grid;
        int row, column;
        std::string message;
    } cases[] = {
        {"parameter", screens.tparameter, "PRMGRID", PrmXMaxSpeed, ColValue,
         "X maximum speed holds at most 6 characters"},
        {"pallet", screens.tpalet, "PALGRID", 1, 0, "X2 holds at most 7 characters"},
        {"offset", screens.toffset, "OFFGRID", 0, 3, "R holds at most 7 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* grid = c.editor->findChild<QTableView*>(c.grid);
        ASSERT_NE(grid, nullptr);
        QAbstractItemModel* model = grid->model();
        const QModelIndex index = model->index(c.row, c.column);
        ASSERT_TRUE(model->setData(index, "-1.5"));
        prompter.messages.clear();
        EXPECT_FALSE(model->setData(index, QString(1 << 20, '9')));
        EXPECT_EQ(prompter.messages, (std::vector<Message>{{"notify", c.message, "Input"}}));
        EXPECT_EQ(index.data().toString().toStdString(), "-1.5");
    }
}

}  // namespace
}  // namespace mivo::test
