#pragma once
// EditorDocument: what an editor knows of its data besides the data: the kind, the file they
// came from or were last saved to, the window title with the modified mark, the files opened
// or saved lately and the folder the last file dialog was left in. No widgets.
#include <QString>
#include <QStringList>

#include "files/data_kind.h"

namespace mivo {

class EditorDocument {
  public:
    explicit EditorDocument(DataKind kind) : kind_(kind) {}

    DataKind kind() const { return kind_; }
    const DataKindDescription& description() const { return Describe(kind_); }

    // The window's caption; the title adds the file's name and the modified mark:
    // "MIVO Editor [Main-Step] - pick.stp *".
    void setCaption(const QString& caption) { caption_ = caption; }
    QString title() const;

    // The modified flag, as the editor reads it off its undo history's clean point.
    bool modified() const { return modified_; }
    void setModified(bool on) { modified_ = on; }

    // The path of the file opened or last saved; empty: none.
    const QString& file() const { return file_; }
    // The data are now that file's: it heads the recent files and its folder is the last one.
    void setFile(const QString& path);
    // The data no longer come from a file ("New programming", an open that stopped part way).
    void forgetFile() { file_.clear(); }

    // The latest first, at most kRecentFiles.
    static constexpr int kRecentFiles = 8;
    const QStringList& recentFiles() const { return recent_; }
    void setRecentFiles(const QStringList& files) { recent_ = files.mid(0, kRecentFiles); }
    // A file that could not be read is no longer offered.
    void dropRecentFile(const QString& path);
    const QString& lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }

  private:
    DataKind kind_;
    QString caption_;
    QString file_;
    bool modified_ = false;
    QStringList recent_;
    QString lastFolder_;
};

}  // namespace mivo
