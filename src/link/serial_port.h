#pragma once
// The port layer: one serial device opened read/write at 19200 baud, 8 data bits, odd parity,
// 1 stop bit, no flow control, DTR and RTS on. Knows nothing of commands or replies.
#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <string>
#include <vector>

namespace mivo {

// A serial port the system reports (a USB serial adapter, for example), with what the system
// knows of it; description, maker and serial number may be empty.
struct ReportedPort {
    QString device;  // "/dev/ttyUSB0"
    QString description;
    QString manufacturer;
    QString serialNumber;
};

// The serial ports the system reports now, by device path. Pseudo-terminals are not among them.
std::vector<ReportedPort> ReportedSerialPorts();

class SerialPort : public QObject {
    Q_OBJECT
  public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    // Opens and configures `device` (a path such as /dev/ttyS0), locking the device itself, so
    // that no other name of it opens it while it is open. False when it cannot be opened or is
    // locked; openFailure() then names the device and the system's reason.
    bool open(const QString& device);
    QString openFailure() const { return openFailure_; }
    void close();  // harmless when closed
    bool isOpen() const;
    QString device() const { return device_; }

    // Writes the bytes now (not at the next event-loop turn); false when closed, short, or the
    // system refused them (a line hung up).
    bool write(const std::string& bytes);
    QByteArray readAll();

  signals:
    void readyRead();
    // The open port failed (device gone, I/O error); `reason` is the system's text.
    void failed(const QString& reason);

  private:
    void onError(QSerialPort::SerialPortError error);
    QSerialPort port_;
    QString device_;
    QString openFailure_;
    bool writeFailed_ = false;  // an error came while write() wrote
    int lock_ = -1;             // the device's descriptor that holds its lock while open
};

}  // namespace mivo
