#include "link/serial_line.h"

#include <QTimer>

#include "common/said_text.h"

namespace mivo {

namespace {

using Clock = std::chrono::steady_clock;

// Said through the prompter, which shows them translated (context "Message").
const char* const kCommErrorText =
    UI_TEXT("Message", "Communication error occurs!  Make offline once");
const char* const kCommErrorCaption = UI_TEXT("Message", "Communication error");
const char* const kOpenFailedText = UI_TEXT("Message", "Port cannot be open");
const char* const kOpenFailedCaption = UI_TEXT("Message", "Circuit open");

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<int>(s.size())); }

}  // namespace

SerialLine::SerialLine(QObject* parent) : QObject(parent) {
    connect(&port_, &SerialPort::readyRead, this, &SerialLine::onReadyRead);
    connect(&port_, &SerialPort::failed, this, &SerialLine::onPortFailed);
}

SerialLine::~SerialLine() { port_.close(); }

bool SerialLine::online(LinkSide side) const {
    return side == LinkSide::Main ? mainOnline_ : directOnline_;
}

bool SerialLine::ready(LinkSide side) const { return online(side) && port_.isOpen() && !halted_; }

void SerialLine::onReadyRead() {
    const Clock::time_point now = Clock::now();
    const QByteArray bytes = port_.readAll();
    // The engine takes them while it has a request or a drain under way, and always while the
    // direct side is on line (a run's lines come unasked); else the main channel is idle.
    if (engine_.bytes && (directOnline_ || engineBusy())) {
        monitor_.reset();
        engine_.bytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      now);
        return;
    }
    if (!bytes.isEmpty() && engine_.stray) engine_.stray();
    idleMonitor(bytes.toStdString());
}

void SerialLine::reportDropped(const std::string& bytes) {
    if (bytes.empty()) return;
    record(FlightEntry::Dropped, "dropped " + std::to_string(bytes.size()) + " bytes: " + bytes);
    emit discarded(Bytes(bytes));
}

// The one place every line passes, both ways: the communication log and the recorder see it here.
void SerialLine::reportTraffic(LinkSide side, bool sent, const std::string& line, bool scan) {
    record(!sent ? FlightEntry::Received : scan ? FlightEntry::ScanQuery : FlightEntry::Sent, line);
    emit traffic(side == LinkSide::Direct, sent, Bytes(line));
}

void SerialLine::record(FlightEntry entry, const std::string& text) {
    if (recorder_) recorder_->record(entry, text);
}

void SerialLine::say(const QString& text, const QString& caption, const QString& detail) {
    if (recorder_)
        recorder_->record(FlightEntry::Failure,
                          (caption + ": " + text + (detail.isEmpty() ? "" : " (" + detail + ")"))
                              .toLocal8Bit()
                              .toStdString());
    emit message(text, caption, detail);
}

void SerialLine::changed(LinkSide side, bool online) {
    const bool main = side == LinkSide::Main;
    if (recorder_)
        recorder_->record(FlightEntry::LineState,
                          std::string(main ? "Main" : "Direct") + " channel " +
                              (online ? "on line, " + port_.device().toLocal8Bit().toStdString()
                                      : std::string("off line")));
    if (main)
        emit onlineChanged(online);
    else
        emit directOnlineChanged(online);
}

// While on line and idle, input is read and discarded; a run of equal bytes means a broken line.
void SerialLine::idleMonitor(const std::string& bytes) {
    if (!mainOnline_) return;
    for (char c : bytes) {
        if (monitor_.feed(c) && !commErrorQueued_) {
            commErrorQueued_ = true;
            QMetaObject::invokeMethod(
                this, [this] { communicationError(); }, Qt::QueuedConnection);
            break;
        }
    }
}

void SerialLine::communicationError() {
    commErrorQueued_ = false;
    if (!mainOnline_ || !port_.isOpen() || engineBusy()) return;
    const QString dev = port_.device();
    port_.close();
    say(kCommErrorText, kCommErrorCaption);
    if (!mainOnline_) return;  // went off line while the message was shown
    if (!port_.isOpen() && !port_.open(dev)) {
        setOffline();
        return;
    }
    drain();
    monitor_.reset();
}

void SerialLine::onPortFailed(const QString& reason) {
    if (failureQueued_ || !port_.isOpen()) return;
    failureQueued_ = true;
    // Filled, so that the prompter shows the sentence translated around the device and reason.
    pendingFailure_ = QString::fromLocal8Bit(
        Filled(UI_TEXT("Message", "The line to %1 failed: %2.  The link went off line."),
               {port_.device().toLocal8Bit().toStdString(), reason.toLocal8Bit().toStdString()})
            .c_str());
    // Handled from the event loop: the port's own signal must return first.
    QMetaObject::invokeMethod(
        this, [this] { portFailed(); }, Qt::QueuedConnection);
}

void SerialLine::portFailed() {
    failureQueued_ = false;
    const bool direct = directOnline_;
    setOffline();
    if (direct) emit directLost();
    showFailureWhenUnwound();
}

void SerialLine::noteFailure(const QString& text) {
    if (pendingFailure_.isEmpty()) pendingFailure_ = text;
}

void SerialLine::showFailureWhenUnwound() {
    if (pendingFailure_.isEmpty()) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (pendingFailure_.isEmpty() || mainWaiting()) return;
            const QString text = std::move(pendingFailure_);
            pendingFailure_.clear();
            say(text, kCommErrorCaption);
        },
        Qt::QueuedConnection);
}

void SerialLine::deliverPendingMessages() {
    if (mainWaiting()) return;
    if (failureQueued_) portFailed();
    if (pendingFailure_.isEmpty()) return;
    const QString text = std::move(pendingFailure_);
    pendingFailure_.clear();
    say(text, kCommErrorCaption);
}

// Both channels off line, port closed.
void SerialLine::setOffline() {
    const bool wasMain = mainOnline_;
    const bool wasDirect = directOnline_;
    mainOnline_ = false;
    directOnline_ = false;
    clearFlags();
    closePort();
    if (wasMain) changed(LinkSide::Main, false);
    if (wasDirect) changed(LinkSide::Direct, false);
}

void SerialLine::clearFlags() { emit channelClosed(); }

void SerialLine::closePort() {
    if (engine_.lost) engine_.lost();
    port_.close();
    halted_ = false;
}

void SerialLine::halt() {
    halted_ = true;
    if (engine_.lost) engine_.lost();
}

void SerialLine::abandonWaits() {
    if (engine_.abandon) engine_.abandon(std::nullopt);
}

// Reads and discards until the line has been quiet a while: what the port holds now, then what
// the engine drops as it comes.
void SerialLine::drain() {
    if (!port_.isOpen() || halted_) return;
    const std::string pending = port_.readAll().toStdString();
    if (!pending.empty() && engine_.stray) engine_.stray();
    reportDropped(pending);
    if (engine_.drain) engine_.drain();
}

bool SerialLine::openPort() {
    if (port_.isOpen()) return true;
    if (port_.open(ports_.chosenDevice())) return true;
    say(kOpenFailedText, kOpenFailedCaption, port_.openFailure());
    return false;
}

bool SerialLine::goOnline(LinkSide side) {
    if (online(side)) return true;
    const bool wasOpen = port_.isOpen();
    if (!openPort()) return false;
    if (engine_.online) engine_.online();
    if (!wasOpen || !engineBusy()) drain();
    if (!port_.isOpen()) return false;
    if (side == LinkSide::Main) {
        mainOnline_ = true;
        monitor_.reset();
    } else {
        directOnline_ = true;
    }
    changed(side, true);
    return true;
}

void SerialLine::goOffline(LinkSide side) {
    if (side == LinkSide::Main) {
        const bool was = mainOnline_;
        mainOnline_ = false;
        clearFlags();
        if (engine_.abandon) engine_.abandon(LinkSide::Main);
        if (!directOnline_) closePort();
        if (was) changed(side, false);
    } else {
        const bool was = directOnline_;
        // A jog that moves until "@STOP" is stopped while the line still carries it.
        if (was && port_.isOpen() && !halted_) emit directClosing();
        directOnline_ = false;
        emit channelClosed();
        if (engine_.abandon) engine_.abandon(LinkSide::Direct);
        if (!mainOnline_) closePort();
        if (was) changed(side, false);
    }
}

}  // namespace mivo
