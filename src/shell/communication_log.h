#pragma once
// The communication log: every command and reply of both channels with the time it passed,
// as the link hands them on, in a window of its own. Bounded: past kMaxLines the oldest lines
// go. The editors' hidden transfer logs are kept apart from it, as they are.
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace mivo {

class ControllerLink;

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

  private:
    void add(bool direct, const QString& what, const QByteArray& bytes);
    void flush();

    QPlainTextEdit* lines_ = nullptr;
    QStringList pending_;  // added, not yet in the text: laid out together from the event loop
};

}  // namespace mivo
