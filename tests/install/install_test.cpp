// The install tree of this build, its desktop files and manual pages as the system's checkers see
// them, and the Debian package: its dependencies and its programs run from a scratch root.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "common/version.h"

namespace mivo::test {
namespace {

struct Ran {
    int status = -1;
    QString out;  // standard output and error
};

Ran RunProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool ended = p.waitForFinished(120000);
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

QStringList FilesUnder(const QString& root) {
    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(root.size() + 1);
    files.sort();
    return files;
}

TEST(Install, TheTreeHoldsTheProgramsAndDesktopFilesAndTheCheckersFindNothing) {
    QTemporaryDir root;
    const Ran install = RunProgram("cmake", {"--install", MIVO_BUILD_DIR, "--prefix", root.path()});
    ASSERT_EQ(install.status, 0) << install.out.toStdString();
    const QStringList expected = {
        "bin/mivo",
        "bin/mivo-editor",
        "bin/mivo-sim",
        "share/applications/org.mivo.Editor.desktop",
        "share/icons/hicolor/scalable/apps/org.mivo.Editor.svg",
        "share/man/man1/mivo-editor.1",
        "share/man/man1/mivo-sim.1",
        "share/man/man1/mivo.1",
        "share/metainfo/org.mivo.Editor.metainfo.xml",
        "share/mime/packages/mivo-editor.xml",
    };
    EXPECT_EQ(FilesUnder(root.path()), expected);

    const QString share = root.filePath("share/");
    struct Check {
        QString program;
        QStringList args;
        bool quiet = true;  // says nothing when all is well
    };
    std::vector<Check> checks = {
        {"desktop-file-validate", {share + "applications/org.mivo.Editor.desktop"}},
        {"update-mime-database", {share + "mime"}, false},
    };
    for (const char* page : {"mivo-editor.1", "mivo-sim.1", "mivo.1"})
        checks.push_back({"groff", {"-man", "-ww", "-z", share + "man/man1/" + page}});
    // Where Debian has the checker.
    if (RunProgram("appstreamcli", {"--version"}).status == 0)
        checks.push_back({"appstreamcli",
                          {"validate", "--no-net", share + "metainfo/org.mivo.Editor.metainfo.xml"},
                          false});
    for (const Check& c : checks) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Ran r = RunProgram(c.program, c.args);
        EXPECT_EQ(r.status, 0) << r.out.toStdString();
        if (c.quiet) EXPECT_EQ(r.out.toStdString(), "");
    }
    // The four kinds are known by their extensions.
    const Ran mime = RunProgram("grep", {"-c", "application/x-mivo-", share + "mime/globs2"});
    EXPECT_EQ(mime.out.trimmed(), "4");
}

TEST(Install, ThePackageDependsOnWhatItsProgramsUseAndTheyRunFromIt) {
    QTemporaryDir dir;
    const Ran pack = RunProgram(
        "cpack", {"-G", "DEB", "--config", MIVO_BUILD_DIR "/CPackConfig.cmake", "-B", dir.path()});
    ASSERT_EQ(pack.status, 0) << pack.out.toStdString();
    const QStringList debs = QDir(dir.path()).entryList({"mivo-editor_*.deb"});
    ASSERT_EQ(debs.size(), 1) << pack.out.toStdString();
    const QString deb = dir.filePath(debs[0]);
    const QString depends = RunProgram("dpkg-deb", {"-f", deb, "Depends"}).out;
    for (const char* library : {"libqt6core6", "libqt6widgets6", "libqt6serialport6", "libc6"})
        EXPECT_TRUE(depends.contains(library)) << depends.toStdString();
    ASSERT_EQ(RunProgram("dpkg", {"-x", deb, dir.filePath("root")}).status, 0);
    const QString version = QString(" ") + kVersion + "\n";
    for (const char* program : {"mivo", "mivo-sim", "mivo-editor"}) {
        SCOPED_TRACE(program);
        const Ran r = RunProgram(dir.filePath("root/usr/bin/") + program, {"--version"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.toStdString(), (program + version).toStdString());
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("root/usr/share/man/man1/mivo.1")));
}

}  // namespace
}  // namespace mivo::test
