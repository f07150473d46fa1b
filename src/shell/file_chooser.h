#pragma once
// The file open and save dialogs as the editors see them, so that tests can answer them.
// Filters are Qt name filters ("MIVO step file (*.stp)"); the filter index is 1-based, as the
// file procedures count it.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace mivo {

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // Both return false when the dialog was cancelled; `name` and `filter` come in as the
    // proposal (a file, or the folder to start in) and go out as the user's choice.
    virtual bool chooseSave(QWidget* parent, const QStringList& filters, QString& name,
                            int& filter) = 0;
    virtual bool chooseOpen(QWidget* parent, const QStringList& filters, QString& name,
                            int& filter) = 0;
};

// The real dialogs. No overwrite confirmation of its own and no suffix added: the save
// procedure asks and names the file itself.
class DialogFileChooser : public FileChooser {
  public:
    bool chooseSave(QWidget* parent, const QStringList& filters, QString& name,
                    int& filter) override {
        return run(parent, QFileDialog::AcceptSave, filters, name, filter);
    }
    bool chooseOpen(QWidget* parent, const QStringList& filters, QString& name,
                    int& filter) override {
        return run(parent, QFileDialog::AcceptOpen, filters, name, filter);
    }

  private:
    static bool run(QWidget* parent, QFileDialog::AcceptMode mode, const QStringList& filters,
                    QString& name, int& filter) {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        // A name without its extension is resolved by the procedures, so it need not exist.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setNameFilters(filters);
        if (filter >= 1 && filter <= filters.size()) dialog.selectNameFilter(filters[filter - 1]);
        // A folder proposed (the last one used) is where the dialog opens.
        if (QFileInfo(name).isDir())
            dialog.setDirectory(name);
        else if (!name.isEmpty())
            dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        name = dialog.selectedFiles().constFirst();
        filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
        if (filter < 1) filter = 1;
        return true;
    }
};

}  // namespace mivo
