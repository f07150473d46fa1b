#include "shell/communication_log.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "i18n/translated_texts.h"
#include "link/controller_link.h"
#include "procedures/reply_rules.h"
#include "shell/window_style.h"

namespace mivo {

namespace {
const char* const kFolderCaption = QT_TRANSLATE_NOOP("mivo::CommunicationLog", "Log folder: ");
}  // namespace

QString LocalClockText(qint64 msSinceEpoch, int offsetSeconds) {
    constexpr qint64 kDay = 24 * 3600 * 1000;
    const qint64 ms = ((msSinceEpoch + qint64(offsetSeconds) * 1000) % kDay + kDay) % kDay;
    return QString("%1:%2:%3.%4")
        .arg(ms / 3600000, 2, 10, QChar('0'))
        .arg(ms / 60000 % 60, 2, 10, QChar('0'))
        .arg(ms / 1000 % 60, 2, 10, QChar('0'))
        .arg(ms % 1000, 3, 10, QChar('0'));
}

CommunicationLog::CommunicationLog(ControllerLink& link, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("CommunicationLog");
    setWindowTitle(tr("MIVO Editor [Communication log]"));
    lines_ = new QPlainTextEdit(this);
    lines_->setObjectName("LogText");
    lines_->setReadOnly(true);
    lines_->setMaximumBlockCount(kMaxLines);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    FollowNewLines(lines_);
    auto* copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setObjectName("Copy");
    auto* clearButton = new QPushButton(tr("Clear"), this);
    clearButton->setObjectName("Clear");
    openFolder_ = new QPushButton(tr("Open log folder"), this);
    openFolder_->setObjectName("OpenLogFolder");
    openFolder_->setEnabled(false);
    // The folder's path, to copy where no file manager opens it.
    folderPath_ = new QLabel(this);
    folderPath_->setObjectName("LogFolderPath");
    folderPath_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    folderPath_->setTextFormat(Qt::PlainText);
    folderPath_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openFolder_);
    buttons->addWidget(folderPath_, 1);
    buttons->addWidget(copyButton);
    buttons->addWidget(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_, 1);
    layout->addLayout(buttons);
    // Tab as the row reads, left to right.
    setTabOrder(lines_, openFolder_);
    setTabOrder(openFolder_, copyButton);
    setTabOrder(copyButton, clearButton);
    resize(560, 360);
    CentreOnScreen(this);
    connect(copyButton, &QPushButton::clicked, this, &CommunicationLog::copy);
    connect(clearButton, &QPushButton::clicked, this, &CommunicationLog::clear);
    connect(openFolder_, &QPushButton::clicked, this, &CommunicationLog::openLogFolder);

    connect(&link, &ControllerLink::traffic, this,
            [this](bool direct, bool sent, const QByteArray& line) {
                add(direct, sent ? "> " : "< ", line);
            });
    connect(&link, &ControllerLink::discarded, this, [this](const QByteArray& bytes) {
        add(false, QString("dropped %1 bytes: ").arg(bytes.size()), bytes);
    });
}

QString CommunicationLog::text() const {
    const_cast<CommunicationLog*>(this)->flush();
    return lines_->toPlainText();
}

void CommunicationLog::clear() {
    pending_.clear();
    lines_->clear();
}

void CommunicationLog::copy() const { QApplication::clipboard()->setText(text()); }

void CommunicationLog::setLogFolder(const QString& folder) {
    logFolder_ = folder;
    openFolder_->setEnabled(!folder.isEmpty());
    openFolder_->setToolTip(folder);
    folderPath_->setText(tr(kFolderCaption) + folder);
    folderPath_->setVisible(!folder.isEmpty());
}

void CommunicationLog::openLogFolder() {
    // Made if no line was recorded yet, so that there is something to open.
    if (logFolder_.isEmpty() || !QDir().mkpath(logFolder_)) return;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(logFolder_))) return;
    // Nothing here opens a folder: its path selected, ready to copy.
    folderPath_->setFocus();
    folderPath_->setSelection(tr(kFolderCaption).size(), logFolder_.size());
}

void CommunicationLog::recorderFailed(const QString& text, const QString& caption) {
    QMetaObject::invokeMethod(
        this,
        [this, said = text, caption] {
            // In the user's language, as it was made (UTF-8: it may name files).
            const QString text = MessageText(said.toStdString(), SaidBytes::Utf8);
            pending_.push_back(now() + "  " + text);
            flush();
            auto* box = new QMessageBox(QMessageBox::Warning,
                                        MessageText(caption.toStdString(), SaidBytes::Utf8), text,
                                        QMessageBox::Ok, QApplication::activeWindow());
            box->setObjectName("RecorderFailed");
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        },
        Qt::QueuedConnection);
}

QString CommunicationLog::now() {
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    if (ms / 60000 != offsetMinute_) {
        offsetMinute_ = ms / 60000;
        offsetSeconds_ = QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc();
    }
    return LocalClockText(ms, offsetSeconds_);
}

void CommunicationLog::add(bool direct, const QString& what, const QByteArray& bytes) {
    const std::string line = ReadableErrorLine(bytes.toStdString());
    pending_.push_back(now() + (direct ? "  direct  " : "  main    ") + what +
                       Cp1252::decode(line));
    // Hidden, the window lays nothing out: what it would keep waits until it is shown.
    if (!isVisible()) {
        if (pending_.size() >= 2 * kMaxLines)
            pending_.erase(pending_.begin(), pending_.end() - kMaxLines);
        return;
    }
    // One layout for a burst of lines (the monitor's scans), later, not between an exchange
    // and the next.
    if (pending_.size() == 1)
        QMetaObject::invokeMethod(this, &CommunicationLog::flush, Qt::QueuedConnection);
}

void CommunicationLog::showEvent(QShowEvent* event) {
    flush();
    QWidget::showEvent(event);
}

void CommunicationLog::flush() {
    if (pending_.isEmpty()) return;
    if (pending_.size() > kMaxLines) pending_.erase(pending_.begin(), pending_.end() - kMaxLines);
    lines_->appendPlainText(pending_.join('\n'));
    pending_.clear();
}

}  // namespace mivo
