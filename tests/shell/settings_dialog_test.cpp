// The settings, reached from every editor's and the direct screen's Display menu: a broker that
// is no address is refused naming why and changes nothing; Cancel leaves the settings in force.
#include "shell/settings_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

using Settings = ShellFixture;

TEST_F(Settings, ABrokerThatIsNoAddressChangesNothingAndCancelKeepsWhatIsInForce) {
    SettingsDialog& dialog = *screens.settings;
    std::vector<PlantChoice> applied;
    dialog.applied = [&](const PlantChoice& p) { applied.push_back(p); };
    auto* afterRun = dialog.findChild<QLineEdit*>("SettingsAfterRun");
    auto* broker = dialog.findChild<QLineEdit*>("SettingsBroker");
    ASSERT_TRUE(afterRun && broker);

    for (QWidget* window : {static_cast<QWidget*>(screens.tmmain), screens.tparameter,
                            screens.tpalet, screens.toffset, screens.tdirect}) {
        SCOPED_TRACE(window->objectName().toStdString());
        auto* open = window->findChild<QAction*>("MenuSettings");
        ASSERT_TRUE(open);
        open->trigger();
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    }

    dialog.show();
    afterRun->setText("  logger run ended  ");
    broker->setText("tcp://broker/plant");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(applied.empty());
    ASSERT_EQ(prompter.texts().size(), 1u);
    EXPECT_TRUE(prompter.texts()[0].starts_with("'tcp://broker/plant' is no broker address"))
        << prompter.texts()[0];  // its reason, in the words of MqttUrl.TakenOrRefused

    broker->setText("mqtt://broker/plant");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const PlantChoice chosen{"logger run ended", "mqtt://broker/plant"};
    EXPECT_EQ(applied, std::vector<PlantChoice>{chosen});
    EXPECT_EQ(dialog.plant(), chosen);

    // Typed, then cancelled: the next visit shows the settings in force, and nothing applied.
    auto* language = dialog.findChild<QComboBox*>("SettingsLanguage");
    ASSERT_TRUE(language);
    dialog.show();
    broker->clear();
    language->setCurrentIndex(language->findText("Deutsch"));
    dialog.reject();
    dialog.show();
    EXPECT_EQ(broker->text().toStdString(), chosen.broker);
    EXPECT_EQ(language->currentIndex(), 0);  // as the system is set
    dialog.accept();
    EXPECT_EQ(applied.size(), 1u);
    EXPECT_EQ(prompter.texts().size(), 1u);

    // A language chosen is kept and said to come at the next start; the plant stays.
    dialog.show();
    language->setCurrentIndex(language->findText("日本語"));
    dialog.accept();
    EXPECT_EQ(dialog.language(), "ja");
    EXPECT_EQ(prompter.texts().back(), "The language changes when the editor starts again.");
    EXPECT_EQ(applied.size(), 1u);
}

}  // namespace
}  // namespace mivo::test
