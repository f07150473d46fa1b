// Opening a port: a device the user may not open names the group that owns it and the command
// that adds the user to it (run as root, the check runs as the user nobody); a port already open
// is busy under every name it has.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>

#include "link/serial_port.h"

namespace mivo::test {
namespace {

TEST(SerialPermission, TheMessageNamesTheDevicesGroupAndTheCommandThatJoinsIt) {
    QTemporaryDir dir;
    const QByteArray device = dir.filePath("ttyS9").toLocal8Bit();
    // Readable and writable by its group only: not by its owner, nor by anyone else.
    ASSERT_EQ(::close(::creat(device.constData(), 0600)), 0);
    ASSERT_EQ(::chmod(device.constData(), 0060), 0);
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const std::string group = ::getgrgid(::getgid())->gr_name;
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        SerialPort port;
        const bool opened = port.open(QString::fromLocal8Bit(device));
        const QByteArray said = port.openFailure().toUtf8();
        ::_exit(!opened && ::write(out[1], said.data(), said.size()) == said.size() ? 0 : 4);
    }
    ::close(out[1]);
    char buffer[512];
    const std::string said(buffer, std::max<ssize_t>(0, ::read(out[0], buffer, sizeof buffer)));
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string user = ::getpwuid(::getuid() == 0 ? 65534 : ::getuid())->pw_name;
    for (const std::string& part :
         {std::string(device) + ": permission denied", "the device belongs to the group " + group,
          "sudo usermod -aG " + group + " " + user})
        EXPECT_NE(said.find(part), std::string::npos) << said;
}

// Two names of one pseudo-terminal, its path and a link to it: while one is open the other is
// busy. Root passes the terminal's exclusive mode; it is cleared here, so that the test sees
// what root sees whoever runs it.
TEST(SerialPermission, APortOpenUnderOneNameIsBusyUnderEveryOther) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_TRUE(::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QString device = QString::fromLocal8Bit(::ptsname(master));
    const int held = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyROBOT");
    ASSERT_EQ(::symlink(device.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);
    for (const auto& [first, second] : {std::pair(device, link), std::pair(link, device)}) {
        SCOPED_TRACE(first.toStdString());
        SerialPort open;
        ASSERT_TRUE(open.open(first)) << open.openFailure().toStdString();
        ASSERT_EQ(::ioctl(held, TIOCNXCL), 0);
        SerialPort other;
        EXPECT_FALSE(other.open(second));
        EXPECT_TRUE(other.openFailure().contains(second + ": busy"))
            << other.openFailure().toStdString();
        open.close();
        EXPECT_TRUE(other.open(second)) << other.openFailure().toStdString();
    }
    ::close(held);
    ::close(master);
}

}  // namespace
}  // namespace mivo::test
