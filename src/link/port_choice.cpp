#include "link/port_choice.h"

namespace mivo {

void PortChooser::setDeviceForPort(int portNumber, const QString& device) {
    if (portNumber >= 1 && portNumber <= 8) devices_[portNumber] = device;
}

QString PortChooser::deviceForPort(int portNumber) const {
    if (portNumber >= 1 && portNumber <= 8 && !devices_[portNumber].isEmpty())
        return devices_[portNumber];
    return QString("/dev/ttyS%1").arg(portNumber - 1);
}

QString PortChooser::chosenDevice() const {
    const PortChoice c = choice();
    return c.device.isEmpty() ? deviceForPort(c.number) : c.device;
}

}  // namespace mivo
