#pragma once
// Which device the line opens. COM1..COM8 map to devices (by default /dev/ttyS{n-1}); the COM
// selection, read at every open, takes one of them or a port the system reported.
#include <QString>
#include <array>
#include <functional>
#include <utility>

namespace mivo {

// The port the line opens: COMn, or a port the system reported, by its device.
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
    // The device the next open takes.
    QString chosenDevice() const;

  private:
    std::array<QString, 9> devices_;  // by port number 1..8; empty: the default
    std::function<PortChoice()> source_;
};

}  // namespace mivo
