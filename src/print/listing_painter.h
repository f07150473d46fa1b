#pragma once
// The listing on a printer: the one drawing used by the print dialog, its preview and
// `mivo print`. The printer works at 300 dots per inch so that the listing's coordinates keep
// their meaning.
#include <QFont>
#include <functional>

#include "print/listing.h"

class QPrinter;

namespace mivo {

inline constexpr int kPrinterDpi = 300;

// Arial at `pointSize` (a metric-compatible face where Arial is missing).
QFont PrintingFont(double pointSize);
// 300 dots per inch, in colour, full page off: coordinates count from the printable area.
void PreparePrinter(QPrinter& printer);
// h: the printer's text height of "KUUHAKU" in `font`.
double LineHeight(QPrinter& printer, const QFont& font);

// The date and time in the system's short formats.
std::string PrintDate();
std::string PrintTime();

// When the printer cannot start (a file that cannot be written), with its output file beneath.
inline constexpr const char* kPrintNotStarted = "The printer cannot be used.";

// Draws `listing` on `printer`, the header at the top of every page. For a stoppable listing
// `carryOn` is asked after each line; false ends the document there.
enum class Drawn { Whole, Stopped, NotStarted };
Drawn DrawListing(QPrinter& printer, const QFont& font, const Listing& listing,
                  const std::function<bool()>& carryOn = {});

}  // namespace mivo
