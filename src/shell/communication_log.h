#pragma once
// The communication log: every command and reply of both channels with the time it passed,
// as the link hands them on, in a window of its own. Bounded: past kMaxLines the oldest lines
// go. The editors' hidden transfer logs are kept apart from it, as they are. "Open log folder"
// shows the flight recorder's files (link/flight_recorder) in the desktop's file manager; the
// folder's path stands beside it as text to select, selected where nothing opens the folder.
#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mivo {

class ControllerLink;

// "HH:mm:ss.zzz" of the local clock at `msSinceEpoch`, the local time being `offsetSeconds`
// ahead of UTC.
QString LocalClockText(qint64 msSinceEpoch, int offsetSeconds);

class CommunicationLog : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxLines = 5000;

    explicit CommunicationLog(ControllerLink& link, QWidget* parent = nullptr);

    // The lines as shown ("14:03:22.120  main  > @?NO").
    QString text() const;
    void clear();
    // The whole log to the clipboard.
    void copy() const;

    // The folder "Open log folder" opens; empty (the default): the button is disabled.
    void setLogFolder(const QString& folder);
    // The flight recorder cannot write: a line here and a notice that does not wait for an
    // answer, from the event loop (never inside the exchange that was being recorded).
    void recorderFailed(const QString& text,
                        const QString& caption = QT_TRANSLATE_NOOP("Message", "Flight recorder"));

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void add(bool direct, const QString& what, const QByteArray& bytes);
    void flush();
    // Now on the local clock. The offset from UTC is asked once a minute: asking the system's
    // time zone for every line would cost more than the line.
    QString now();

    void openLogFolder();

    QPlainTextEdit* lines_ = nullptr;
    QPushButton* openFolder_ = nullptr;
    QLabel* folderPath_ = nullptr;
    QString logFolder_;
    QStringList pending_;  // added, not yet in the text: laid out together from the event loop,
                           // or when the window is shown
    qint64 offsetMinute_ = -1;  // the minute the offset was asked in
    int offsetSeconds_ = 0;
};

}  // namespace mivo
