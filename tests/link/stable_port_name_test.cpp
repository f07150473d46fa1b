#include "link/stable_port_name.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

namespace mivo {

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

}  // namespace mivo
