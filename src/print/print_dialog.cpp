#include "print/print_dialog.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "codepage/cp1252.h"
#include "common/convert.h"
#include "common/prompter.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "print/listing_painter.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

// 300 dots per inch, in colour, full page off: coordinates count from the printable area.
void PreparePrinter(QPrinter& printer) {
    printer.setResolution(kPrinterDpi);
    printer.setFullPage(false);
}

// The listings' texts (plain C++ there), marked here where the dialog and its messages show
// them; the message box translates the "Message" ones.
constexpr const char* kRangeTitle =
    QT_TRANSLATE_NOOP("mivo::PrintDialog", "Specify printing range");
constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Message", "Print"), QT_TRANSLATE_NOOP("Message", "Specify printing range"),
    QT_TRANSLATE_NOOP("Message", "Printing information transfer is completed."),
    QT_TRANSLATE_NOOP("Message",
                      "Printing information transfer is interrupted. Printing won't be completed."),
    QT_TRANSLATE_NOOP("Message", "The printer cannot be used.")};
static_assert(std::string_view(kRangeTitle) == kPrintRangeText);
static_assert(std::string_view(kMessages[0]) == kPrintCaption);
static_assert(std::string_view(kMessages[1]) == kPrintRangeText);
static_assert(std::string_view(kMessages[2]) == kPrintCompleted);
static_assert(std::string_view(kMessages[3]) == kPrintInterrupted);
static_assert(std::string_view(kMessages[4]) == kPrintNotStarted);

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    QPushButton* b = NamedButton(text, name, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

PrintDialog::PrintDialog(Prompter& prompter, Sources sources, QWidget* parent)
    : QDialog(parent), prompter_(prompter), sources_(sources) {
    setObjectName("Tprint");
    setWindowTitle(tr("MIVO Editor [Print]"));
    auto* title = new QLabel(tr(kRangeTitle), this);
    title->setObjectName("Label1");
    SetBold(title);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName("Edit1");
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName("Edit2");
    ok_ = Button(tr("OK"), "OK", this);
    ok_->setDefault(true);
    preview_ = Button(tr("Preview"), "Preview", this);
    cancel_ = Button(tr("Cancel"), "Cancel", this);
    stop_ = Button(tr("Print stop"), "PrintStop", this);
    stop_->hide();
    printingLabel_ = new QLabel(tr("printing"), this);
    printingLabel_->setObjectName("printing");
    printingLabel_->setStyleSheet("color: #FF0000;");
    printingLabel_->hide();

    auto* range = new QHBoxLayout;
    range->addWidget(edit1_);
    range->addWidget(new QLabel("-", this));
    range->addWidget(edit2_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok_, preview_, cancel_, stop_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(range);
    layout->addLayout(buttons);
    layout->addWidget(printingLabel_, 0, Qt::AlignHCenter);
    connect(ok_, &QPushButton::clicked, this, &PrintDialog::onOkClicked);
    connect(preview_, &QPushButton::clicked, this, &PrintDialog::onPreviewClicked);
    connect(cancel_, &QPushButton::clicked, this, &PrintDialog::onCancelClicked);
    connect(stop_, &QPushButton::clicked, this, &PrintDialog::onPrintStopClicked);

    PreparePrinter(printer_);
    chooser_ = [](QPrinter& printer, QWidget* dialogParent) {
        QPrintDialog dialog(&printer, dialogParent);
        return dialog.exec() == QDialog::Accepted;
    };
}

void PrintDialog::printFrom(DataKind kind, QWidget* opener) {
    openedFor_ = kind;
    const PrintRange preset = PresetRange(openedFor_);
    edit1_->setText(QString::fromStdString(preset.first));
    edit2_->setText(QString::fromStdString(preset.last));
    edit1_->setReadOnly(!RangeEditable(openedFor_));
    edit2_->setReadOnly(!RangeEditable(openedFor_));
    ok_->show();
    preview_->show();
    cancel_->show();
    stop_->hide();
    opener_ = opener;
    if (opener) opener->setEnabled(false);
    ShowOver(this, opener);
}

std::optional<PrintDialog::Job> PrintDialog::prepare() {
    const std::string date = PrintDate();
    const std::string time = PrintTime();
    printingAllowed_ = true;
    const DataKind kind = openedFor_;
    const std::string first = Cp1252::encode(edit1_->text());
    const std::string last = Cp1252::encode(edit2_->text());
    try {
        if (!RangeAccepted(kind, first, last)) {
            prompter_.notify(kPrintRangeText, kPrintCaption);
            return std::nullopt;
        }
    } catch (const ConversionError& e) {
        prompter_.notify(e.what(), kPrintCaption);
        return std::nullopt;
    }
    return Job{kind, StrToInt(first), StrToInt(last), HeaderLine(kind, date, time)};
}

Listing PrintDialog::listingFor(const Job& job, QPaintDevice& printer, const QFont& font) const {
    PrintSource* source = job.kind == DataKind::Step        ? sources_.step
                          : job.kind == DataKind::Parameter ? sources_.parameter
                          : job.kind == DataKind::Pallet    ? sources_.pallet
                                                            : sources_.offset;
    const std::vector<std::string> values =
        source ? source->printValues(job.first, job.last) : std::vector<std::string>{};
    return BuildListing(job.kind, values, job.first, job.header, LineHeight(printer, font));
}

void PrintDialog::onOkClicked() {
    if (printing_) return;
    const std::optional<Job> job = prepare();
    if (!job) return;
    printing_ = true;
    ok_->hide();
    preview_->hide();
    cancel_->hide();
    stop_->show();
    printJob(*job);
    printing_ = false;
    QApplication::processEvents();
    closeToOpener();
}

void PrintDialog::printJob(const Job& job) {
    PreparePrinter(printer_);
    if (!chooser_(printer_, this)) return;  // cancelled: nothing printed, nothing said
    PreparePrinter(printer_);
    // A PDF file is drawn in memory and written by the data files' save rules; what they
    // refuse is refused before drawing.
    const std::string pdfName = printer_.outputFormat() == QPrinter::PdfFormat
                                    ? QFile::encodeName(printer_.outputFileName()).toStdString()
                                    : std::string();
    std::string reason;
    if (std::string target; !pdfName.empty() && !SaveTarget(pdfName, target, reason)) {
        prompter_.notify(CannotWrite(pdfName, reason), kPrintCaption);
        return;
    }
    std::optional<PdfPages> pdf;
    if (!pdfName.empty()) pdf.emplace(printer_.pageLayout());
    QPagedPaintDevice& device = pdf ? pdf->device() : printer_;
    const QFont font = PrintingFont(this->font().pointSizeF());
    const Listing listing = listingFor(job, device, font);
    QApplication::processEvents();
    printingLabel_->show();
    const Drawn drawn = DrawListing(device, font, listing, [this] {
        QApplication::processEvents();
        return printingAllowed_;
    });
    printingLabel_->hide();
    if (drawn == Drawn::NotStarted) {
        prompter_.notifyDetail(kPrintNotStarted, kPrintCaption,
                               printer_.outputFileName().toStdString());
    } else if (pdf && !WriteWholeFile(pdfName, pdf->bytes(), reason)) {
        prompter_.notify(CannotWrite(pdfName, reason), kPrintCaption);
        printingAllowed_ = true;
    } else if (!printingAllowed_) {
        prompter_.notify(kPrintInterrupted, kPrintCaption);
        printingAllowed_ = true;
    } else {
        prompter_.notify(kPrintCompleted, kPrintCaption);
    }
}

void PrintDialog::onPreviewClicked() {
    if (printing_) return;
    const std::optional<Job> job = prepare();
    if (!job) return;
    QPrinter printer;
    PreparePrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
        PreparePrinter(*target);
        const QFont font = PrintingFont(this->font().pointSizeF());
        DrawListing(*target, font, listingFor(*job, *target, font));
    });
    preview.exec();
}

void PrintDialog::onCancelClicked() { closeToOpener(); }

void PrintDialog::onPrintStopClicked() { printingAllowed_ = false; }

void PrintDialog::reject() {
    if (printing_)
        onPrintStopClicked();
    else
        onCancelClicked();
}

void PrintDialog::closeToOpener() {
    Enable(opener_);
    hide();
}

void PrintDialog::showEvent(QShowEvent* event) {
    CentreOverOwner(this);
    QDialog::showEvent(event);
}

}  // namespace mivo
