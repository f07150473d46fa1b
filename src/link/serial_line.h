#pragma once
// The serial line under both channels: the port's life. Opens the chosen device (its port
// choice) and drains it, holds which channel is on line, watches the line while idle (a run of
// equal bytes means a broken line) and notices a port that fails; the bytes that arrive go to the
// line's exchange engine while it has something under way or the direct side is on line. What
// happens on it goes out as signals, its messages for the user among them; a failure met during a
// main-channel wait is told once the wait has ended. A flight recorder, when given, takes the
// lines, the changes of state and the messages as they happen.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "link/flight_recorder.h"
#include "link/idle_monitor.h"
#include "link/port_choice.h"
#include "link/serial_port.h"

namespace mivo {

enum class LinkSide { Main, Direct };

class SerialLine : public QObject {
    Q_OBJECT
  public:
    explicit SerialLine(QObject* parent = nullptr);
    ~SerialLine() override;

    // Opens (first side on line), configures and drains the port; false (after the message)
    // when it cannot be opened or configured.
    bool goOnline(LinkSide side);
    // The side's waits end; the port closes with the last side off line.
    void goOffline(LinkSide side);
    bool online(LinkSide side) const;
    // On line with the port open and no stop signal: `side` may send and wait.
    bool ready(LinkSide side) const;

    // What the port holds and has not signalled yet, taken in now.
    void takeIn() { onReadyRead(); }
    // Input is read and discarded until the line has been quiet a while; requests made
    // meanwhile go out after it (a stop at once).
    void drain();
    // A stop signal: every wait and a drain under way end; nothing more goes out until the
    // port is closed.
    void halt();
    // Every wait ends without a line (the start screen was shown); the line stays on.
    void abandonWaits();
    bool halted() const { return halted_; }

    // Which device each open takes.
    PortChooser& ports() { return ports_; }
    const PortChooser& ports() const { return ports_; }
    SerialPort& port() { return port_; }
    const SerialPort& port() const { return port_; }
    // Bytes dropped before they could begin a reply line, told to the listeners.
    void reportDropped(const std::string& bytes);
    // A command line written (`sent`) or a reply line handed to a wait, told to the listeners;
    // `scan`: a monitor's scan query written, which the recorder keeps with its answer.
    void reportTraffic(LinkSide side, bool sent, const std::string& line, bool scan = false);
    // The line's exchange engine, as the line sees it: where the bytes go, what it is told when
    // the line goes off or comes on or a side's waits end, whether it has something under way.
    struct EngineSink {
        std::function<void(std::string_view, std::chrono::steady_clock::time_point)> bytes;
        std::function<void()> lost;
        std::function<void()> online;
        std::function<bool()> busy;
        std::function<void()> drain;
        std::function<void()> stray;                           // bytes came that it was not given
        std::function<void(std::optional<LinkSide>)> abandon;  // nullopt: both sides
        std::function<bool()> mainWaiting;
    };
    void setEngineSink(EngineSink sink) { engine_ = std::move(sink); }
    // Where the traffic, state changes and messages are recorded too (not owned; none: nowhere).
    void setRecorder(FlightRecorder* recorder) { recorder_ = recorder; }

    // A failure to tell the user, unless one is waiting to be told already.
    void noteFailure(const QString& text);
    // Tells the waiting failure from the event loop once no main-channel wait runs.
    void showFailureWhenUnwound();
    // Tells it now, for callers that will not return to an event loop; nothing during a wait.
    void deliverPendingMessages();

  signals:
    // The main channel went on line (true) or off line (false), for whatever reason.
    void onlineChanged(bool online);
    void directOnlineChanged(bool online);
    // The direct channel is about to go off line and can still send.
    void directClosing();
    // A channel was taken off line (or told to go while it was), or the line failed: what
    // belonged to its operations ends, a cancel request among them. Before onlineChanged.
    void channelClosed();
    // A message for the user ("Port cannot be open", "Communication error" ...); `detail`
    // may be empty. Connect it directly and show it before returning: the link goes on (for
    // example reopens the port) only after the user has seen it, and may be off line by then.
    void message(const QString& text, const QString& caption, const QString& detail);
    // Bytes were dropped: drained, noise, or bytes that cannot begin a reply line (an idle
    // burst of 0xFF).
    void discarded(const QByteArray& bytes);
    // A command line written (`sent`) or a reply line handed to a wait, on either channel, as
    // it happens: for the communication log.
    void traffic(bool direct, bool sent, const QByteArray& line);
    // The port failed (an adapter unplugged) while the direct channel was on line, so a motion
    // is not known to have stopped; after the line went off line.
    void directLost();

  private:
    void onReadyRead();
    void idleMonitor(const std::string& bytes);
    void communicationError();
    void onPortFailed(const QString& reason);
    void portFailed();
    bool openPort();
    void setOffline();
    // `side` went on or off line: recorded, then told.
    void changed(LinkSide side, bool online);
    // A message for the user: recorded, then emitted.
    void say(const QString& text, const QString& caption, const QString& detail = {});
    void record(FlightEntry entry, const std::string& text);
    void clearFlags();
    void closePort();
    bool engineBusy() const { return engine_.busy && engine_.busy(); }
    bool mainWaiting() const { return engine_.mainWaiting && engine_.mainWaiting(); }

    PortChooser ports_;
    SerialPort port_;
    IdleMonitor monitor_;
    FlightRecorder* recorder_ = nullptr;
    EngineSink engine_;

    bool mainOnline_ = false;    // PortReady
    bool directOnline_ = false;  // DirectPortReady
    bool halted_ = false;
    bool commErrorQueued_ = false;
    bool failureQueued_ = false;
    QString pendingFailure_;  // the line-failed text, shown once the waits have unwound
};

}  // namespace mivo
