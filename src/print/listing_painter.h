#pragma once
// The listing on a paged device (a printer, a PDF): the one drawing used by the print dialog,
// its preview and `mivo print`. The device works at 300 dots per inch so that the listing's
// coordinates keep their meaning. Qt GUI only: the printers themselves are the dialog's.
#include <QBuffer>
#include <QFont>
#include <QPdfWriter>
#include <functional>
#include <string_view>

#include "print/listing.h"

class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;

namespace mivo {

inline constexpr int kPrinterDpi = 300;

// Arial at `pointSize` (a metric-compatible face where Arial is missing).
QFont PrintingFont(double pointSize);
// The pages of a PDF written without a printer chosen: A4 upright with margins of 10 points, as
// Qt's PDF printer lays them out when no system printer gives its own.
QPageLayout PdfPageLayout();
// h: the printer's text height of "KUUHAKU" in `font`.
double LineHeight(QPaintDevice& printer, const QFont& font);

// The date and time in the system's short formats.
std::string PrintDate();
std::string PrintTime();

// When the printer cannot start (a file that cannot be written), with its output file beneath.
inline constexpr const char* kPrintNotStarted = "The printer cannot be used.";

// Draws `listing` on `printer`, the header at the top of every page. For a stoppable listing
// `carryOn` is asked after each line; false ends the document there.
enum class Drawn { Whole, Stopped, NotStarted };
Drawn DrawListing(QPagedPaintDevice& printer, const QFont& font, const Listing& listing,
                  const std::function<bool()>& carryOn = {});

// A PDF document drawn in memory, so that its file is written by the data files' save rules
// (file_io's WriteWholeFile: no FIFO, device or read-only file replaced, the old file kept on
// failure), never by the PDF engine, which replaces whatever stands at its name.
class PdfPages {
  public:
    // Pages laid out as `layout` (a printer's), at 300 dots per inch.
    explicit PdfPages(const QPageLayout& layout);
    QPagedPaintDevice& device() { return writer_; }
    // The document, once DrawListing has ended it.
    std::string_view bytes() const;

  private:
    QBuffer buffer_;
    QPdfWriter writer_;
};

}  // namespace mivo
