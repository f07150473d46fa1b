// A device the user may not open: the message names the group that owns it and the command that
// adds the user to it. Run as root, the check runs as the user nobody.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
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

}  // namespace
}  // namespace mivo::test
