// The STOP key: Esc anywhere in the direct screen's window, also in a field, is a press of STOP.
#include <QLineEdit>
#include <QShortcut>

#include "direct_fixture.h"

namespace mivo::test {
namespace {

// Each way of pressing STOP during a run sends one "@STOP" and stops the robot; the key works
// from the field that has the focus as from the window.
TEST_F(DirectScreen, EscPressesStopFromAnywhereInTheWindow) {
    struct Case {
        const char* what;
        std::function<void()> press;
    };
    const Case cases[] = {
        {"clicking STOP", [this] { QTest::mouseClick(button("STOP"), Qt::LeftButton); }},
        {"Esc in the window", [this] { QTest::keyClick(&screen(), Qt::Key_Escape); }},
        {"Esc in a field",
         [this] {
             auto* field = screen().findChild<QLineEdit*>("GOTX");
             field->setFocus();
             QTest::keyClick(field, Qt::Key_Escape);
         }},
    };
    // The panel shows its key, and a held key is one press. (The key and what it does: the
    // keyboard map's test and the cases here.)
    EXPECT_EQ(button("STOP")->text().toStdString(), "STOP\nEsc");
    auto* key = screen().findChild<QShortcut*>("StopKey");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->autoRepeat());
    pacedLongRun();
    online();
    screen().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen()));
    recordSent();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sent.clear();
        prompter.answers = {true};
        QTest::mouseClick(button("RUN"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sim.motion.activity() != SimMotion::Activity::Idle; }, 5000));
        c.press();
        settle();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), "@STOP"), 1);
        EXPECT_EQ(sim.motion.activity(), SimMotion::Activity::Idle);
        prompter.messages.clear();
    }
}

}  // namespace
}  // namespace mivo::test
