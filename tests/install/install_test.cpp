// The install tree of this build, its desktop files and manual pages as the system's checkers see
// them, and the Debian package: its dependencies and its programs run from a scratch root.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "common/version.h"

namespace mivo::test {
namespace {

struct Ran {
    int status = -1;
    std::string out;  // standard output and error
};

Ran RunProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool ended = p.waitForFinished(120000);
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAll().toStdString()};
}

TEST(Install, TheTreeHoldsTheProgramsAndDesktopFilesAndTheCheckersFindNothing) {
    QTemporaryDir root;
    const Ran install = RunProgram("cmake", {"--install", MIVO_BUILD_DIR, "--prefix", root.path()});
    ASSERT_EQ(install.status, 0) << install.out;
    QStringList files;
    for (QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(root.path().size() + 1);
    files.sort();
    const QString share = "share/", id = "org.mivo.Editor", man = share + "man/man1/";
    const QString doc = share + "doc/mivo-editor/";
    EXPECT_EQ(
        files,
        QStringList(
            {"bin/mivo", "bin/mivo-editor", "bin/mivo-sim",
             share + "applications/" + id + ".desktop", doc + "changelog.gz", doc + "copyright",
             share + "icons/hicolor/scalable/apps/" + id + ".svg", man + "mivo-editor.1.gz",
             man + "mivo-sim.1.gz", man + "mivo.1.gz", share + "metainfo/" + id + ".metainfo.xml",
             share + "mime/packages/mivo-editor.xml", share + "mivo/translations/mivo_de.qm",
             share + "mivo/translations/mivo_ja.qm"}));
    struct Check {
        QString program;
        QStringList args;  // the last one a file of the tree
        bool quiet;        // says nothing when all is well
    };
    // clang-format off
    const Check checks[] = {
        {"desktop-file-validate", {share + "applications/" + id + ".desktop"}, true},
        {"appstreamcli", {"validate", "--no-net", share + "metainfo/" + id + ".metainfo.xml"}, false},
        {"sh", {"-c", "zcat \"$0\" | groff -man -ww -z", man + "mivo-editor.1.gz"}, true},
        {"sh", {"-c", "zcat \"$0\" | groff -man -ww -z", man + "mivo-sim.1.gz"}, true},
        {"sh", {"-c", "zcat \"$0\" | groff -man -ww -z", man + "mivo.1.gz"}, true},
        {"update-mime-database", {share + "mime"}, false},
    };
    // clang-format on
    for (Check c : checks) {
        c.args.last() = root.filePath(c.args.last());
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Ran r = RunProgram(c.program, c.args);
        EXPECT_EQ(r.status, 0) << r.out;
        if (c.quiet) {
            EXPECT_EQ(r.out, "");
        }
    }
    // The four kinds are known by their extensions.
    const Ran globs =
        RunProgram("grep", {"-c", "application/x-mivo-", root.filePath(share + "mime/globs2")});
    EXPECT_EQ(globs.out, "4\n");
}

// The command-line programs load no widget or printer library: they run without the screens.
TEST(Install, TheCommandLineProgramsNeedNoWidgetOrPrinterLibrary) {
    for (const char* program : {MIVO_CLI_PROGRAM, MIVO_SIM_PROGRAM}) {
        SCOPED_TRACE(program);
        const Ran needed = RunProgram("readelf", {"-d", program});
        ASSERT_EQ(needed.status, 0) << needed.out;
        EXPECT_NE(needed.out.find("libQt6Core"), std::string::npos) << needed.out;
        for (const char* library : {"libQt6Widgets", "libQt6PrintSupport"})
            EXPECT_EQ(needed.out.find(library), std::string::npos) << library;
    }
}

TEST(Install, ThePackageDependsOnWhatItsProgramsUseRunsFromItAndLintianFindsNothing) {
    QTemporaryDir dir;
    const Ran pack = RunProgram(
        "cpack", {"-G", "DEB", "--config", MIVO_BUILD_DIR "/CPackConfig.cmake", "-B", dir.path()});
    const QStringList debs = QDir(dir.path()).entryList({"mivo-editor_*.deb"});
    ASSERT_EQ(debs.size(), 1) << pack.out;
    const QString deb = dir.filePath(debs[0]);
    const std::string depends = RunProgram("dpkg-deb", {"-f", deb, "Depends"}).out;
    for (const char* library :
         {"libqt6core6", "libqt6widgets6", "libqt6serialport6", "libc6", "libzip4"})
        EXPECT_NE(depends.find(library), std::string::npos) << depends;
    ASSERT_EQ(RunProgram("dpkg", {"-x", deb, dir.filePath("root")}).status, 0);
    for (const std::string program : {"mivo", "mivo-sim", "mivo-editor"}) {
        const QString path = dir.filePath("root/usr/bin/") + program.c_str();
        EXPECT_EQ(RunProgram(path, {"--version"}).out, VersionLine(program));
    }
    // Debian's own checker: no error and no warning (its other lines, such as a note that it
    // runs as root, are not about the package).
    if (QStandardPaths::findExecutable("lintian").isEmpty()) GTEST_SKIP() << "no lintian here";
    const Ran lintian = RunProgram("lintian", {deb});
    std::string found;
    for (const QString& line : QString::fromStdString(lintian.out).split('\n'))
        if (line.startsWith("E:") || line.startsWith("W:")) found += line.toStdString() + "\n";
    EXPECT_EQ(found, "") << lintian.out;
}

}  // namespace
}  // namespace mivo::test
