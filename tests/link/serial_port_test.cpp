// Ports: a device the user may not open names the group that owns it and the command that adds
// the user to it (run as root, the check runs as the user nobody); a port already open is busy
// under every name it has; the adapter's stable name, and a port's line in the list.
#include "link/serial_port.h"

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
#include <fstream>

#include "link/stable_port_name.h"

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

namespace fs = std::filesystem;

// The adapter's link found, followed to another ttyUSB number, and gone; other names are plain.
TEST(StablePortName, FoundAgainAfterRenumbering) {
    QTemporaryDir tmp;
    const fs::path root = fs::canonical(tmp.path().toStdString());
    const fs::path byId = root / "by-id", link = byId / "usb-Maker_Adapter_A1-if00-port0";
    fs::create_directories(root / "dev");
    fs::create_directories(byId);
    const std::string usb0 = root / "dev" / "ttyUSB0", usb1 = root / "dev" / "ttyUSB1";
    std::ofstream(usb0).put('\n');
    std::ofstream(usb1).put('\n');
    using Name = std::optional<std::string>;
    const struct {
        const char* step;
        const char* target;  // of the link, relative as udev makes it; "" none
        bool removeUsb1;
        Name stableOf0, stableOf1, device;
    } cases[] = {
        {"plugged in", "../dev/ttyUSB0", false, link.string(), std::nullopt, usb0},
        {"plugged in again", "../dev/ttyUSB1", false, std::nullopt, link.string(), usb1},
        {"device gone, link left", "../dev/ttyUSB1", true, std::nullopt, std::nullopt,
         std::nullopt},
        {"link gone", "", true, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        fs::remove(link);
        if (*c.target) fs::create_symlink(c.target, link);
        if (c.removeUsb1) fs::remove(usb1);
        EXPECT_EQ(StableNameOf(usb0, byId), c.stableOf0);
        EXPECT_EQ(StableNameOf(usb1, byId), c.stableOf1);
        EXPECT_EQ(DeviceOfStoredName(link.string(), byId), c.device);
    }
    for (const std::string& plain :
         {std::string("/dev/ttyS0"), usb0, (byId / "sub" / "x").string()})
        EXPECT_EQ(DeviceOfStoredName(plain, byId), plain);
}

TEST(StablePortName, PortListLineSkipsEmptyParts) {
    const struct {
        const char *device, *description, *maker, *serial, *line;
    } cases[] = {
        {"/dev/ttyUSB0", "USB-Serial Controller", "Prolific", "A5012345",
         "/dev/ttyUSB0 (USB-Serial Controller, Prolific, serial A5012345)"},
        {"/dev/ttyS0", "", "", "", "/dev/ttyS0"},
        {"/dev/ttyACM0", "", " Maker\x1B[2J", " \t", "/dev/ttyACM0 (Maker [2J)"},
        {"/dev/ttyUSB1", "", "", "7", "/dev/ttyUSB1 (serial 7)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortListLine(c.device, c.description, c.maker, c.serial), c.line);
}

}  // namespace
}  // namespace mivo::test
