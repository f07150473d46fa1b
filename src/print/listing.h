#pragma once
// A printed listing as plain data: the range the dialog asks for and its check, the header and
// one line per item for each kind of data, and where each line stands on which page. The
// drawing on a printer (listing_painter) only places these texts; everything a listing says is
// decided here.
#include <string>
#include <vector>

#include "files/data_kind.h"

namespace mivo {

inline constexpr const char* kPrintCaption = "Print";
inline constexpr const char* kPrintRangeText = "Specify printing range";
inline constexpr const char* kPrintCompleted = "Printing information transfer is completed.";
inline constexpr const char* kPrintInterrupted =
    "Printing information transfer is interrupted. Printing won't be completed.";

// The range the opening editor presets (the kind's ListingLayout): steps "0"-"999", parameters
// "0"-"43", a pallet and offsets "0"-"1", which cannot be edited.
struct PrintRange {
    std::string first;
    std::string last;
};
PrintRange PresetRange(DataKind kind);
bool RangeEditable(DataKind kind);

// False where the dialog says "Specify printing range": a field empty, either below 0, first
// after last, parameters beyond 43, steps beyond 999. A text that is no integer throws
// ConversionError.
bool RangeAccepted(DataKind kind, const std::string& first, const std::string& last);

// "MIVO Step data                Date:  " + date + "   Time:  " + time.
std::string HeaderLine(DataKind kind, const std::string& date, const std::string& time);

// The page: lines at x = 300, line k at y = k x h + 100 (truncated), h the printing font's
// height of "KUUHAKU", 3000 / h lines a page (truncated).
inline constexpr int kListingX = 300;
inline constexpr const char* kHeightSample = "KUUHAKU";
int LinesPerPage(double h);
int LineY(int k, double h);

struct ListingLine {
    int page;  // from 0; each page begins with the header at y = 0
    int y;
    std::string text;
};

struct Listing {
    std::string header;
    std::vector<ListingLine> lines;
    int pages = 1;
    // "Print stop" is looked at after each line (not for parameters, drawn to their end).
    bool stoppable = true;
};

// The listing of `values` (a kind's listing values: StepListingValues ...) whose first item is
// number `first`. Lines are numbered by item: "Step No.5" for step 5. The reserved parameters 3 and
// 5 are not printed but keep their lines. Steps run on over pages, k restarting at 1 on each; the
// other kinds stay on one page.
Listing BuildListing(DataKind kind, const std::vector<std::string>& values, int first,
                     const std::string& header, double h);

// An editor's data as the print dialog reads them: the editor implements it and
// `createScreens` hands it to the dialog.
class PrintSource {
  public:
    virtual ~PrintSource() = default;
    // The listing values (StepListingValues ...) of the editor's data; a pallet and offsets ignore
    // the range.
    virtual std::vector<std::string> printValues(int first, int last) const = 0;
};

}  // namespace mivo
