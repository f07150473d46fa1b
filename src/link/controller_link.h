#pragma once
// ControllerLink: the controller link, as the screens and `mivo` use it. The serial line and its
// life (link/serial_line, with its port choice, link/port_choice), whose signals it gives, and the
// exchange of requests and replies on two channels, main and direct, over it
// (link/controller_exchange), one exchange engine for both. Procedures on either channel run on
// fibers and wait without an event loop of their own. Qt Core and SerialPort only: its messages
// for the user go out as a signal.
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <string>
#include <utility>

#include "link/controller_exchange.h"
#include "link/engine_channel.h"
#include "link/port_choice.h"
#include "link/serial_line.h"

namespace mivo {

class ControllerLink : public SerialLine {
    Q_OBJECT
  public:
    explicit ControllerLink(QObject* parent = nullptr);
    ~ControllerLink() override;

    // COMn (1..8) opens this device; default /dev/ttyS{n-1}.
    void setDeviceForPort(int portNumber, const QString& device) {
        ports().setDeviceForPort(portNumber, device);
    }
    QString deviceForPort(int portNumber) const { return ports().deviceForPort(portNumber); }
    // Where the choice is read at every open (the COM selection); default COM1.
    void setPortSource(std::function<PortChoice()> source) { ports().setSource(std::move(source)); }
    // For a choice among COM1..COM8 only.
    void setPortNumberSource(std::function<int()> source);

    // Main channel: open, configure and drain the port; false (after the message) when the
    // port cannot be opened or configured. Idle monitoring runs from the event loop.
    bool goOnline() { return SerialLine::goOnline(LinkSide::Main); }
    void goOffline() { SerialLine::goOffline(LinkSide::Main); }
    bool isOnline() const { return online(LinkSide::Main); }  // PortReady

    // Direct channel (direct-operation and teaching screens), same port.
    bool goDirectOnline() { return SerialLine::goOnline(LinkSide::Direct); }
    void goDirectOffline() { SerialLine::goOffline(LinkSide::Direct); }
    bool isDirectOnline() const { return online(LinkSide::Direct); }

    EngineChannel& mainChannel() { return exchange_.mainChannel(); }
    EngineChannel& directChannel() { return exchange_.directChannel(); }
    // How long an answer owed on the direct channel may take (a move's end is not owed).
    void setDirectReplyLimit(int ms) { exchange_.setDirectReplyLimit(ms); }

    // OfflineRequest: ends any wait on the main channel without a line and goes off line.
    void requestOffline() { goOffline(); }
    // Ends every wait without a line (the start screen was shown).
    void abortWaits() { abandonWaits(); }

    // Data exchanges wait for a reply at most this long (0: as long as it takes, for motions);
    // a wait that runs out ends without a line and the user is told once the waits unwound.
    static constexpr int kReplyTimeoutMs = 10000;
    void setReplyTimeout(int ms) { exchange_.setReplyTimeout(ms); }
    int replyTimeout() const { return exchange_.replyTimeout(); }

    // For timing: when the last reply line's LF was taken from the line, and when the last
    // request's bytes were written.
    std::chrono::steady_clock::time_point lastLineEnd() const { return exchange_.lastLineEnd(); }
    std::chrono::steady_clock::time_point lastWrite() const { return exchange_.lastWrite(); }

    // The controller's versions as read last at the device the port opens ("V1.20/V1.01/...").
    // Kept while the editors and the direct screen take turns at the port, closing and opening
    // it; empty when never read there (another device chosen since, for one).
    void rememberVersions(std::string versions) {
        versions_ = {port().device(), std::move(versions)};
    }
    std::string knownVersions() const {
        return versions_.first == port().device() ? versions_.second : std::string();
    }

  private:
    ControllerExchange exchange_;
    std::pair<QString, std::string> versions_;  // the device, its versions
};

}  // namespace mivo
