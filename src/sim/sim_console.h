#pragma once
// mivo-sim's standard input while it serves: a line "DI 5 1" sets input 5 on ("DI 5 0" off)
// and is confirmed on standard output ("DI 5 on"); any other line gets one line on standard
// error and changes nothing. Reading ends at the end of the input.
#include <QObject>
#include <QTimer>
#include <string>

class QSocketNotifier;

namespace mivo {

class SimIo;

class SimConsole : public QObject {
    Q_OBJECT
  public:
    SimConsole(SimIo& io, int fd, QObject* parent = nullptr);

  private:
    void onReadable();
    void take(const std::string& line);

    SimIo& io_;
    int fd_;
    QSocketNotifier* notifier_ = nullptr;
    // A process in the background of its terminal may not read it: try again later.
    QTimer retry_;
    std::string in_;
};

}  // namespace mivo
