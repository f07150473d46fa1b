#pragma once
// PrintDialog: the print dialog. The opening editor presets the range; "OK" checks it, runs the
// system's print dialog and prints the listing of the editor that shows (a printer, or a PDF
// file); "Preview" shows the same pages first; "Print stop" ends a listing early.
#include <QDialog>
#include <QPrinter>
#include <functional>
#include <optional>

#include "print/listing.h"
#include "shell/editor_access.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mivo {

class Prompter;

class PrintDialog : public QDialog, public PrintScreen {
    Q_OBJECT
  public:
    // The four editors' data, by name.
    struct Sources {
        PrintSource* step = nullptr;
        PrintSource* parameter = nullptr;
        PrintSource* pallet = nullptr;
        PrintSource* offset = nullptr;
    };
    // Runs the system's print dialog for `printer`; false when cancelled. Tests set their own.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

    PrintDialog(Prompter& prompter, Sources sources, QWidget* parent = nullptr);

    void printFrom(DataKind kind, QWidget* opener) override;
    void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    // PrintingAllowed: set by "OK", cleared by "Print stop".
    bool printingAllowed() const { return printingAllowed_; }

    void onOkClicked();
    void onPreviewClicked();
    void onCancelClicked();
    void onPrintStopClicked();

  public slots:
    // Closing the dialog is "Cancel"; while printing, "Print stop".
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Job {
        DataKind kind;
        int first;
        int last;
        std::string header;
    };
    // The range checked for the kind the opener named, or nothing after the message.
    std::optional<Job> prepare();
    Listing listingFor(const Job& job, QPaintDevice& printer, const QFont& font) const;
    void printJob(const Job& job);
    // Hides the dialog and gives its opener back its controls.
    void closeToOpener();

    Prompter& prompter_;
    QWidget* opener_ = nullptr;
    Sources sources_;
    DataKind openedFor_ = DataKind::Step;
    bool printingAllowed_ = true;
    bool printing_ = false;
    PrinterChooser chooser_;
    QPrinter printer_;  // kept, with the user's choices, for the next listing
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* printingLabel_ = nullptr;
};

}  // namespace mivo
