#pragma once
// A text saved to a file the user names: the save dialog (through a FileChooser, so that tests
// answer it), the first filter's extension added to a name without one, the question before a
// file of that name is written over, and the system's reason when it cannot be written. The
// direct screen's step times and the run history's CSV are saved so.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QWidget;

namespace mivo {

class FileChooser;
class Prompter;

struct TextExport {
    QString proposal;     // the name the dialog offers: "steps.csv"
    QStringList filters;  // "Step times (*.csv)", "All files (*)"
    QString extension;    // ".csv", added under the first filter to a name without one
    std::string caption;  // of the question and the message: "Save step times"
    std::string what;     // "The step times" (could not be saved to PATH: REASON)
};

// True when the file was written. `content` is made once a file is chosen and confirmed.
// Without a chooser the system's dialog is shown.
bool SaveTextFile(QWidget* parent, FileChooser* chooser, Prompter& prompter, const TextExport& how,
                  const std::function<std::string()>& content);

}  // namespace mivo
