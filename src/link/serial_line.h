#pragma once
// The serial line under both channels: the port's life. Opens the chosen device and drains it,
// holds which channel is on line, watches the line while idle (a run of equal bytes means a
// broken line) and notices a port that fails; the bytes that arrive go to the reply waits. Its
// messages for the user go out as a signal; a failure met during a wait is told once the waits
// have unwound.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <string>

#include "link/idle_monitor.h"
#include "link/serial_port.h"
#include "link/wait_stack.h"

class QEventLoop;
class QTimer;

namespace mivo {

class PortChooser;

class SerialLine : public QObject {
    Q_OBJECT
  public:
    // `ports` says which device each open takes; it outlives the line.
    explicit SerialLine(const PortChooser& ports, QObject* parent = nullptr);
    ~SerialLine() override;

    // Opens (first side on line), configures and drains the port; false (after the message)
    // when it cannot be opened or configured.
    bool goOnline(LinkSide side);
    // The side's waits end; the port closes with the last side off line.
    void goOffline(LinkSide side);
    bool online(LinkSide side) const;
    // On line with the port open and no stop signal: `side` may send and wait.
    bool ready(LinkSide side) const;

    // Reads and discards until the line has been quiet a while.
    void drain();
    // A drain under way ends (a request made inside it must see its reply).
    void endDrain();
    // A stop signal: every wait and a drain under way end; nothing more goes out until the
    // port is closed.
    void halt();
    bool halted() const { return halted_; }

    SerialPort& port() { return port_; }
    WaitStack& waits() { return waits_; }
    const WaitStack& waits() const { return waits_; }
    // Bytes dropped before they could begin a reply line, told to the listeners.
    void reportDropped(const std::string& bytes);

    // A failure to tell the user, unless one is waiting to be told already.
    void noteFailure(const QString& text);
    // Tells the waiting failure from the event loop once no wait runs.
    void showFailureWhenUnwound();
    // Tells it now, for callers that will not return to an event loop; nothing during a wait.
    void deliverPendingMessages();

  signals:
    void onlineChanged(bool online);
    void directOnlineChanged(bool online);
    // The direct channel is about to go off line and can still send.
    void directClosing();
    // A side was taken off line (or told to go while it was), or the line failed: what belonged
    // to its operations ends. Before onlineChanged.
    void channelClosed();
    void received();
    void message(const QString& text, const QString& caption, const QString& detail);
    void discarded(const QByteArray& bytes);

  private:
    void onReadyRead();
    void idleMonitor(const std::string& bytes);
    void communicationError();
    void onPortFailed(const QString& reason);
    void portFailed();
    bool openPort();
    void setOffline();
    void clearFlags();
    void closePort();

    const PortChooser& ports_;
    SerialPort port_;
    IdleMonitor monitor_;
    WaitStack waits_;

    bool mainOnline_ = false;    // PortReady
    bool directOnline_ = false;  // DirectPortReady
    bool halted_ = false;

    QTimer* drainTimer_ = nullptr;  // set while a drain runs
    QEventLoop* drainLoop_ = nullptr;

    bool commErrorQueued_ = false;
    bool failureQueued_ = false;
    QString pendingFailure_;  // the line-failed text, shown once the waits have unwound
};

}  // namespace mivo
