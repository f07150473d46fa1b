#pragma once
// The simulated controller behind a pseudo-terminal: the editor opens devicePath() as its
// serial port. Command lines are read from the master side as they arrive, the controller's
// reply lines are written back with CR LF, optionally paced at 19200 baud. The controller's
// clock follows the wall clock from open(): what it has due later (an origin return's "OK",
// a program's steps and "END") happens when that much real time has passed.
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <string>

class QSocketNotifier;

namespace mivo {

class SimCore;

class SimPty : public QObject {
    Q_OBJECT
  public:
    explicit SimPty(SimCore& controller, QObject* parent = nullptr);
    ~SimPty() override;

    // Creates the pseudo-terminal; false with errorString() when it cannot.
    bool open();
    QString errorString() const { return error_; }
    QString devicePath() const { return path_; }

    // A line of 19200 baud, 11 bits a byte (about 0.573 ms per byte), both ways: a command is
    // taken once its last byte would have crossed the line, and each reply byte reaches the
    // editor when it would have.
    void setPaced(bool on) { paced_ = on; }
    // Writes bytes to the editor as they stand (no line end added).
    void sendRaw(const std::string& bytes);
    // Closes the line: the editor's port fails, the device goes away.
    void hangUp();
    bool isHungUp() const { return master_ < 0 && !path_.isEmpty(); }

  signals:
    // A command line arrived and its replies were queued.
    void commandReceived(const QString& command);

  private:
    // Runs `woken` each time the timer `fd` expires; nullptr without a timer.
    QSocketNotifier* onTimer(int fd, void (SimPty::*woken)());
    void repairLineSettings();
    void onReadable();
    void handle(const std::string& command);
    void pump();
    void sendIdleNoise();
    // Runs the controller's clock up to the wall clock, sends what it queued, and sets the
    // timer for its next event.
    void runClock();
    void sendReplies();

    SimCore& controller_;
    int master_ = -1;
    int slaveHold_ = -1;  // keeps the slave side open so the master never sees a hang-up
    QString path_;
    QString error_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    int paceFd_ = -1;  // timerfd: wakes the pacing to the microsecond, not the millisecond
    QSocketNotifier* paceNotifier_ = nullptr;
    int clockFd_ = -1;  // timerfd: wakes the controller's clock at its next event
    QSocketNotifier* clockNotifier_ = nullptr;
    // The wall-clock time at which the controller's clock stood at zero.
    std::chrono::steady_clock::time_point clockZero_{};
    QTimer idleTimer_;
    QTimer lineCheck_;  // gives back line settings a killed peer left behind
    bool paced_ = false;
    std::string in_;
    std::string out_;
    // Paced: when the line towards the editor is free for the next byte, and when the last
    // byte received from it has fully arrived.
    std::chrono::steady_clock::time_point nextDue_{};
    std::chrono::steady_clock::time_point inDue_{};
};

}  // namespace mivo
