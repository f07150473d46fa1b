#pragma once
// A USB serial adapter's stable name: the link udev makes for it under /dev/serial/by-id, which
// names the adapter itself, so that it is found again under another ttyUSB number.
#include <filesystem>
#include <optional>
#include <string>

namespace mivo {

inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

// The link in `byId` that resolves to `device` now ("/dev/ttyUSB0"); none when no link does.
// Of several, the first by name.
std::optional<std::string> StableNameOf(const std::string& device,
                                        const std::filesystem::path& byId = kSerialByIdFolder);

// The device a stored name opens now: a link in `byId` resolved (none when the link is gone or
// leads nowhere); any other name is a plain device name and stays as it is.
std::optional<std::string> DeviceOfStoredName(
    const std::string& stored, const std::filesystem::path& byId = kSerialByIdFolder);

// A port's line in the COM selection: "/dev/ttyUSB0 (USB-Serial Controller, Prolific, serial
// 12345)", the empty parts left out (the device alone when all are). Control characters in
// what the adapter reports become blanks.
std::string PortListLine(const std::string& device, const std::string& description,
                         const std::string& maker, const std::string& serialNumber);

}  // namespace mivo
