#pragma once
// TBuff: the controller link. The one owner of the serial port; carries every exchange with
// the controller on two channels (main and direct) with the same framing. Waits pump events
// in a nested QEventLoop driven by readyRead, so the screens stay usable during a wait.
// Qt Core and SerialPort only: its messages for the user go out as a signal.
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "link/direct_channel.h"

namespace mivo {

class TBuff : public QObject {
    Q_OBJECT
  public:
    explicit TBuff(QObject* parent = nullptr);
    ~TBuff() override;

    // COMn (1..8) opens this device; default /dev/ttyS{n-1}.
    void setDeviceForPort(int portNumber, const QString& device);
    QString deviceForPort(int portNumber) const;

    // The port the line opens: COMn, or a port the system reported, by its device.
    struct PortChoice {
        int number = 1;  // COMn, taken when `device` is empty
        QString device;
    };
    // Where the choice is read at every open (the COM selection); default COM1.
    void setPortSource(std::function<PortChoice()> source);
    // For a choice among COM1..COM8 only.
    void setPortNumberSource(std::function<int()> source);
    int portNumber() const;
    // The device the next open takes.
    QString chosenDevice() const;

    // Main channel: open, configure and drain the port; false (after the message) when the
    // port cannot be opened or configured. Idle monitoring runs from the event loop.
    bool goOnline();
    void goOffline();
    bool isOnline() const;  // PortReady

    // Direct channel (direct-operation and teaching screens), same port.
    bool goDirectOnline();
    void goDirectOffline();
    bool isDirectOnline() const;

    Channel& mainChannel();
    DirectChannel& directChannel();

    // OfflineRequest: ends any wait on the main channel without a line and goes off line.
    void requestOffline();
    // InjectMstop: the waiting caller receives the bytes received so far as its line.
    void injectMstop();
    // InjectStop: the waiting caller's line ends now.
    void injectStop();
    // Ends every wait without a line (the start screen was shown).
    void abortWaits();
    // A stop signal: nothing more goes out. Every wait and a drain under way end at once, and
    // every later request ends without a line, until the port is closed.
    void halt();
    bool halted() const;
    // Data exchanges wait for a reply at most this long (0: as long as it takes, for motions);
    // a wait that runs out ends without a line and the user is told once the waits unwound.
    static constexpr int kReplyTimeoutMs = 10000;
    void setReplyTimeout(int ms);
    int replyTimeout() const;

    // Emits now a message still waiting for the event loop (the line failed during a wait), for
    // callers that will not return to one. Nothing while a wait runs.
    void deliverPendingMessages();
    // Withdraws an injection that no wait has taken yet.
    void clearInjections();
    // The bytes of the reply line received so far (what an MSTOP injection would return).
    std::string pendingLine() const;

    // For timing: when the last reply line's LF was taken from the line, and when the last
    // request's bytes were written.
    std::chrono::steady_clock::time_point lastLineEnd() const;
    std::chrono::steady_clock::time_point lastWrite() const;

    // CancelRequested, shared by the transfer loops and the transfer dialogs; cleared when the
    // link goes off line.
    bool cancelRequested() const;
    void setCancelRequested(bool on);

  signals:
    // The main channel went on line (true) or off line (false), for whatever reason.
    void onlineChanged(bool online);
    void directOnlineChanged(bool online);
    // The direct channel is about to go off line and can still send.
    void directClosing();
    // Bytes arrived from the line (emitted from the event loop, after they were taken in).
    void received();
    // A message for the user ("Port cannot be open", "Communication error" ...); `detail`
    // may be empty. Connect it directly and show it before returning: the link goes on (for
    // example reopens the port) only after the user has seen it, and may be off line by then.
    void message(const QString& text, const QString& caption, const QString& detail);
    // Bytes were dropped: an unfinished line received before a request was written (it cannot
    // be part of its reply), or bytes that cannot begin a reply line (an idle burst of 0xFF).
    void discarded(const QByteArray& bytes);
    // A command line written (`sent`) or a reply line handed to a wait, on either channel, as
    // it happens: for the communication log.
    void traffic(bool direct, bool sent, const QByteArray& line);

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace mivo
