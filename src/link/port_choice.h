#pragma once
// Which device the line opens. COM1..COM8 map to devices (by default /dev/ttyS{n-1}); the COM
// selection, read at every open, takes one of them or a port the system reported. A USB adapter
// is chosen by its stable name (link/stable_port_name), resolved at every open, so that it is
// found again under another ttyUSB number.
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <utility>

#include "link/stable_port_name.h"

namespace mivo {

// The port the line opens: COMn, or a port the system reported, by its stable name where it
// has one, else by its device.
struct PortChoice {
    int number = 1;  // COMn, taken when `device` is empty
    QString device;
};

class PortChooser {
  public:
    // COMn (1..8) opens this device; default /dev/ttyS{n-1}.
    void setDeviceForPort(int portNumber, const QString& device);
    QString deviceForPort(int portNumber) const;

    // Where the choice is read at every open (the COM selection); default COM1.
    void setSource(std::function<PortChoice()> source) { source_ = std::move(source); }
    PortChoice choice() const { return source_ ? source_() : PortChoice{}; }
    // The device the next open takes: the choice's name resolved (a stable name whose adapter is
    // gone stays as it is, and its open fails naming it).
    QString chosenDevice() const;

    // Where the stable names are (the system's /dev/serial/by-id by default).
    void setByIdFolder(std::filesystem::path folder) { byId_ = std::move(folder); }
    // The name `device` is remembered by: its stable name, or itself when it has none.
    QString stableName(const QString& device) const;
    // The device a remembered name opens now; empty when its adapter is gone.
    QString deviceOf(const QString& name) const;

  private:
    std::array<QString, 9> devices_;  // by port number 1..8; empty: the default
    std::function<PortChoice()> source_;
    std::filesystem::path byId_ = kSerialByIdFolder;
};

}  // namespace mivo
