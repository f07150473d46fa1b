// Menus reached by Alt and a letter: one letter an item, none twice in one menu.
#include "shell/menu_mnemonics.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

// The letter underlined in `text`, or none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return {};
}

TEST(MenuMnemonics, ATableLetterStaysAndTheOthersGetAFreeOne) {
    struct Case {
        const char* what;
        QStringList texts;
        QStringList given;
    };
    // clang-format off
    const Case cases[] = {
        {"chosen letters stay", {"&File", "E&dit"}, {"&File", "E&dit"}},
        {"a word's first letter first", {"&Step", "Received contents delete"}, {"&Step", "&Received contents delete"}},
        {"then another word's", {"&Parameter", "Path view"}, {"&Parameter", "Path &view"}},
        {"then any letter", {"&Parameter", "Path preview"}, {"&Parameter", "P&ath preview"}},
        {"none free: as it was", {"&Pallet", "&Offset", "Po"}, {"&Pallet", "&Offset", "Po"}},
        {"a letter taken twice is given anew", {"C&ompare", "Return to &origin"}, {"C&ompare", "&Return to origin"}},
        {"a literal & is no mnemonic", {"A&&B", "&A"}, {"A&&&B", "&A"}},
        {"digits too", {"&1 a", "1 b"}, {"&1 a", "1 &b"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WithMnemonics(c.texts), c.given);
    }
}

// Every menu of every window the program makes: each item and each menu title underlines a
// letter of its own.
TEST_F(ShellFixture, EveryMenuOfEveryWindowHasOneLetterAnItem) {
    int menus = 0;
    const auto check = [&](const QString& where, const QList<QAction*>& actions,
                           const auto& self) -> void {
        ++menus;
        std::map<QChar, QString> taken;
        for (QAction* a : actions) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const QChar letter = Mnemonic(a->text());
            EXPECT_FALSE(letter.isNull()) << where.toStdString() << ": " << a->text().toStdString();
            if (!letter.isNull()) {
                const auto [at, fresh] = taken.emplace(letter, a->text());
                EXPECT_TRUE(fresh) << where.toStdString() << ": " << a->text().toStdString()
                                   << " and " << at->second.toStdString();
            }
            if (a->menu()) self(where + " > " + a->text(), a->menu()->actions(), self);
        }
    };
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(w))
            check(window->objectName(), window->menuBar()->actions(), check);
    // The four editors, the direct and teaching screens: their bars and menus.
    EXPECT_GT(menus, 25);
}

}  // namespace
}  // namespace mivo::test
