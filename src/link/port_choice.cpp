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
    const QString name = c.device.isEmpty() ? deviceForPort(c.number) : c.device;
    const QString device = deviceOf(name);
    return device.isEmpty() ? name : device;
}

QString PortChooser::stableName(const QString& device) const {
    const auto name = StableNameOf(device.toLocal8Bit().toStdString(), byId_);
    return name ? QString::fromLocal8Bit(*name) : device;
}

QString PortChooser::deviceOf(const QString& name) const {
    const auto device = DeviceOfStoredName(name.toLocal8Bit().toStdString(), byId_);
    return device ? QString::fromLocal8Bit(*device) : QString();
}

}  // namespace mivo
