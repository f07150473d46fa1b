// mivo says what it says to a person (questions, problems, on standard error) in their language:
// --lang's, else the system's; what it reports on standard output stays English for scripts.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <string>

#include "cli/cli_rig.h"

namespace mivo {
namespace {

struct Said {
    int code = -1;
    std::string out, err;
};

// `mivo args` under the locale `locale`, `input` on its standard input.
Said Mivo(const QStringList& args, const QString& locale, const std::string& input = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", locale);
    p.setProcessEnvironment(env);
    p.start(MIVO_CLI_PROGRAM, args);
    p.write(input.data(), static_cast<qint64>(input.size()));
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ConsoleLanguage, ProblemsAndQuestionsInTheUsersLanguageReportsAsWritten) {
    struct Case {
        const char* name;
        QStringList args;
        const char* locale;
        int code;
        std::string err;  // a line standard error must hold
    };
    const Case cases[] = {
        {"--lang", {"--lang", "de", "frob"}, "C.UTF-8", 2, "mivo: unbekannter Befehl frob\n"},
        {"--lang=", {"--lang=ja", "frob"}, "C.UTF-8", 2, "mivo: 不明なコマンド frob\n"},
        {"the system's", {"frob"}, "ja_JP.UTF-8", 2, "mivo: 不明なコマンド frob\n"},
        {"--lang over the system's",
         {"--lang", "en", "frob"},
         "de_DE.UTF-8",
         2,
         "mivo: unknown command frob\n"},
        {"a language not known: English",
         {"--lang", "xx", "frob"},
         "C.UTF-8",
         2,
         "mivo: unknown command frob\n"},
        {"the line's message and the end filled with the command",
         {"--lang", "de", "--port", "/dev/mivo-none", "version"},
         "C.UTF-8",
         1,
         "mivo: version wurde nicht abgeschlossen\n"},
        {"the line's detail, put together from pieces",
         {"--lang", "de", "--port", "/dev/mivo-none", "version"},
         "C.UTF-8",
         1,
         "  /dev/mivo-none: kein solches Gerät ("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Said said = Mivo(c.args, c.locale);
        EXPECT_EQ(said.code, c.code);
        EXPECT_TRUE(Has(said.err, c.err)) << said.err;
    }
}

TEST(ConsoleLanguage, AQuestionAskedInGermanTheNoticesStayEnglish) {
    test::SimProcess sim;
    ASSERT_FALSE(sim.device.isEmpty());
    QTemporaryDir dir;
    const QString file = dir.filePath("robot.prm");
    const QStringList receive = {"--lang", "de", "--port", sim.device, "params", "receive", file};

    const Said declined = Mivo(receive, "C.UTF-8", "n\n");
    EXPECT_EQ(declined.code, 1);
    EXPECT_TRUE(Has(declined.err, "Parameter empfangen: Parameter empfangen? [y/N]"))
        << declined.err;
    EXPECT_TRUE(Has(declined.err, "mivo: mit Nein beantwortet: Es wurde nichts ausgeführt"))
        << declined.err;

    const Said done = Mivo(receive, "C.UTF-8", "y\n");
    EXPECT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(done.out, "Parameter receive: Parameter receiving is completed\nSave: Saved\n");
}

}  // namespace
}  // namespace mivo
