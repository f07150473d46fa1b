// Ended by a signal, the editor program ends, whatever its windows show: nothing may keep it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace mivo {
namespace {

// Whether process `pid` has a handler of its own for `signal` (before that, the signal would
// end it the system's way).
bool Catches(qint64 pid, int signal) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

TEST(EditorProgram, EndsOnASignalWhateverItsWindowsShow) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home.path());
        for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            env.insert(xdg, home.filePath(xdg));
        // A step file open in its editor, whose window would rather go back to the start.
        QFile steps(home.filePath("pick.stp"));
        ASSERT_TRUE(steps.open(QIODevice::WriteOnly));
        steps.write("POI,050,10.00,20.00,5.00,0,,pick\r\n" +
                    QByteArray(",,,,,,,\r\n").repeated(999));
        steps.close();
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.start(MIVO_BUILD_DIR "/src/app/mivo-editor", {"--simulator", steps.fileName()});
        ASSERT_TRUE(editor.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([&] { return Catches(editor.processId(), signal); }, 30000));
        ::kill(static_cast<pid_t>(editor.processId()), signal);
        const bool ended = editor.waitForFinished(30000);
        EXPECT_TRUE(ended);
        if (!ended) {
            editor.kill();
            editor.waitForFinished();
            continue;
        }
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(editor.exitCode(), 0);
        // What it remembers is kept for the next start.
        EXPECT_TRUE(QFile::exists(home.filePath("XDG_CONFIG_HOME/mivo/mivo-editor.conf")));
    }
}

}  // namespace
}  // namespace mivo
