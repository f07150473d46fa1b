#include "link/serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/readable_text.h"
#include "common/said_text.h"

namespace mivo {

namespace {

// The group that owns the device ("dialout" on Debian) and the command that adds the user to it.
std::string JoinGroupHint(const QByteArray& path) {
    std::string group = "dialout";
    struct stat st {};
    if (::stat(path.constData(), &st) == 0)
        if (const struct group* g = ::getgrgid(st.st_gid)) group = g->gr_name;
    std::string user = "$USER";
    if (const struct passwd* p = ::getpwuid(::getuid())) user = p->pw_name;
    return Filled(UI_TEXT("Message",
                          "the device belongs to the group %1; join it with \"sudo "
                          "usermod -aG %1 %2\", then log out and in again"),
                  {group, user});
}

// Why an open failed, in words a user can act on; the device as given, its control bytes shown.
// Said as its bytes in the local encoding go on to the message, so that the message knows it.
QString OpenReason(const QString& device, QSerialPort::SerialPortError error,
                   const QString& systemText) {
    const QByteArray path = device.toLocal8Bit();
    const std::string shown = EscapeControlBytes(path.toStdString());
    const std::string system = systemText.toLocal8Bit().toStdString();
    std::string reason;
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(device))
        reason = Filled(UI_TEXT("Message", "%1: no such device (%2)"), {shown, system});
    else if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        reason = Filled(UI_TEXT("Message", "%1: permission denied (%2); %3"),
                        {shown, system, JoinGroupHint(path)});
    else if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError)
        reason =
            Filled(UI_TEXT("Message", "%1: busy, in use by another program (%2)"), {shown, system});
    else
        reason = Labelled(shown, system);
    return QString::fromLocal8Bit(reason);
}

}  // namespace

std::vector<ReportedPort> ReportedSerialPorts() {
    std::vector<ReportedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(
            {info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber()});
    std::sort(ports.begin(), ports.end(),
              [](const ReportedPort& a, const ReportedPort& b) { return a.device < b.device; });
    return ports;
}

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::readyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

SerialPort::~SerialPort() { close(); }

bool SerialPort::open(const QString& device) {
    close();
    device_ = device;
    openFailure_.clear();
    // The device itself is locked, before anything else touches it: Qt's lock file is named by
    // the path, and the terminal's exclusive mode does not stop root, so a link to the port or
    // another path to it would open it a second time and change its settings under the first.
    const int lock =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const bool held = lock >= 0;
        const QString reason = held ? UI_TEXT("Message", "another program holds its lock")
                                    : QString::fromLocal8Bit(std::strerror(errno));
        if (held) ::close(lock);
        openFailure_ = OpenReason(device, QSerialPort::OpenError, reason);
        return false;
    }
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud19200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::OddParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        openFailure_ = OpenReason(device, port_.error(), port_.errorString());
        port_.clearError();
        ::close(lock);
        return false;
    }
    lock_ = lock;
    // A pseudo-terminal has no modem lines: failing here is not an error.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return true;
}

void SerialPort::close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
    if (lock_ >= 0) ::close(lock_);
    lock_ = -1;
}

bool SerialPort::isOpen() const { return port_.isOpen(); }

bool SerialPort::write(const std::string& bytes) {
    if (!port_.isOpen()) return false;
    if (bytes.empty()) return true;
    writeFailed_ = false;
    const qint64 n = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.flush();
    return n == static_cast<qint64>(bytes.size()) && !writeFailed_;
}

QByteArray SerialPort::readAll() { return port_.readAll(); }

void SerialPort::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::NoError) writeFailed_ = true;
    if (!port_.isOpen()) return;
    switch (error) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::UnknownError: {
            // A hang-up reads as end of file, and the system text is then a stale one.
            QString reason = port_.errorString();
            pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
            if (::poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLERR)))
                reason = UI_TEXT("Message", "the line was hung up (device closed or unplugged)");
            emit failed(reason);
            break;
        }
        default:
            break;  // write errors and unsupported modem lines are not failures of the line
    }
}

}  // namespace mivo
