#pragma once
// TBuff: the controller link, as the screens and `mivo` use it. Puts together the port choice
// (link/port_choice), the serial line and its life (link/serial_line) and the exchange of
// requests and replies on two channels, main and direct, over it (link/controller_exchange).
// Waits pump events in a nested QEventLoop driven by readyRead, so the screens stay usable
// during a wait. Qt Core and SerialPort only: its messages for the user go out as a signal.
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <string>

#include "link/controller_exchange.h"
#include "link/direct_channel.h"
#include "link/port_choice.h"
#include "link/serial_line.h"

namespace mivo {

class TBuff : public QObject {
    Q_OBJECT
  public:
    explicit TBuff(QObject* parent = nullptr);
    ~TBuff() override;

    // COMn (1..8) opens this device; default /dev/ttyS{n-1}.
    void setDeviceForPort(int portNumber, const QString& device) {
        ports_.setDeviceForPort(portNumber, device);
    }
    QString deviceForPort(int portNumber) const { return ports_.deviceForPort(portNumber); }
    // Where the choice is read at every open (the COM selection); default COM1.
    void setPortSource(std::function<PortChoice()> source) { ports_.setSource(std::move(source)); }
    // For a choice among COM1..COM8 only.
    void setPortNumberSource(std::function<int()> source);

    // Main channel: open, configure and drain the port; false (after the message) when the
    // port cannot be opened or configured. Idle monitoring runs from the event loop.
    bool goOnline() { return line_.goOnline(LinkSide::Main); }
    void goOffline() { line_.goOffline(LinkSide::Main); }
    bool isOnline() const { return line_.online(LinkSide::Main); }  // PortReady

    // Direct channel (direct-operation and teaching screens), same port.
    bool goDirectOnline() { return line_.goOnline(LinkSide::Direct); }
    void goDirectOffline() { line_.goOffline(LinkSide::Direct); }
    bool isDirectOnline() const { return line_.online(LinkSide::Direct); }

    Channel& mainChannel() { return exchange_.mainChannel(); }
    DirectChannel& directChannel() { return exchange_.directChannel(); }

    // OfflineRequest: ends any wait on the main channel without a line and goes off line.
    void requestOffline() { line_.goOffline(LinkSide::Main); }
    // InjectMstop: the waiting caller receives the bytes received so far as its line.
    void injectMstop() { line_.waits().injectMstop(); }
    // InjectStop: the waiting caller's line ends now.
    void injectStop() { line_.waits().injectStop(); }
    // Withdraws an injection that no wait has taken yet.
    void clearInjections() { line_.waits().clearInjections(); }
    // Ends every wait without a line (the start screen was shown).
    void abortWaits() { line_.waits().endAll(); }
    // A stop signal: nothing more goes out. Every wait and a drain under way end at once, and
    // every later request ends without a line, until the port is closed.
    void halt() { line_.halt(); }
    bool halted() const { return line_.halted(); }
    // Data exchanges wait for a reply at most this long (0: as long as it takes, for motions);
    // a wait that runs out ends without a line and the user is told once the waits unwound.
    static constexpr int kReplyTimeoutMs = 10000;
    void setReplyTimeout(int ms) { exchange_.setReplyTimeout(ms); }
    int replyTimeout() const { return exchange_.replyTimeout(); }

    // Emits now a message still waiting for the event loop (the line failed during a wait), for
    // callers that will not return to one. Nothing while a wait runs.
    void deliverPendingMessages() { line_.deliverPendingMessages(); }
    // The bytes of the reply line received so far (what an MSTOP injection would return).
    std::string pendingLine() const;

    // For timing: when the last reply line's LF was taken from the line, and when the last
    // request's bytes were written.
    std::chrono::steady_clock::time_point lastLineEnd() const;
    std::chrono::steady_clock::time_point lastWrite() const { return exchange_.lastWrite(); }

  signals:
    // The main channel went on line (true) or off line (false), for whatever reason.
    void onlineChanged(bool online);
    void directOnlineChanged(bool online);
    // The direct channel is about to go off line and can still send.
    void directClosing();
    // A channel was taken off line (or told to go while it was), or the line failed: what
    // belonged to its operations ends, a cancel request among them. Before onlineChanged.
    void channelClosed();
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
    PortChooser ports_;
    SerialLine line_;
    ControllerExchange exchange_;
};

}  // namespace mivo
