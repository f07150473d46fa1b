#include "print/listing.h"

#include <algorithm>

#include "common/convert.h"

namespace mivo {

namespace {

const std::string kSixBlanks = "      ";

// clang-format off
const char* const kPalletLabels[] = {
    "        Pallet No. : ", "                X1 : ", "                Y1 : ",
    "                 Z : ", "                X2 : ", "                Y2 : ",
    "                X3 : ", "                Y3 : ", "  X section number : ",
    "  Y section number : "};
const char* const kOffsetLabels[] = {
    "           Pgm No. : ", "                 X : ", "                 Y : ",
    "                 Z : ", "                 R : "};
// clang-format on

constexpr int kLastParameter = 43;
constexpr int kLastStep = 999;

bool Reserved(int parameter) { return parameter == 3 || parameter == 5; }

}  // namespace

PrintRange PresetRange(ListingKind kind) {
    switch (kind) {
        case ListingKind::Step:
            return {"0", "999"};
        case ListingKind::Parameter:
            return {"0", "43"};
        default:
            return {"0", "1"};
    }
}

bool RangeEditable(ListingKind kind) {
    return kind == ListingKind::Step || kind == ListingKind::Parameter;
}

bool RangeAccepted(ListingKind kind, const std::string& first, const std::string& last) {
    if (first.empty() || last.empty()) return false;
    const int from = StrToInt(first);
    const int to = StrToInt(last);
    if (from < 0 || to < 0 || from > to) return false;
    if (kind == ListingKind::Parameter && to > kLastParameter) return false;
    if (kind == ListingKind::Step && to > kLastStep) return false;
    return true;
}

std::string HeaderLine(ListingKind kind, const std::string& date, const std::string& time) {
    const char* title = "";
    switch (kind) {
        case ListingKind::Pallet:
            title = "MIVO Pallet data              Date:  ";
            break;
        case ListingKind::Offset:
            title = "MIVO Offset data              Date:  ";
            break;
        case ListingKind::Parameter:
            title = "MIVO Parameter data           Date:  ";
            break;
        case ListingKind::Step:
            title = "MIVO Step data                Date:  ";
            break;
    }
    return title + date + "   Time:  " + time;
}

int LinesPerPage(double h) { return h > 0 ? static_cast<int>(3000 / h) : 1; }

int LineY(int k, double h) { return static_cast<int>(k * h + 100); }

Listing BuildListing(ListingKind kind, const std::vector<std::string>& values, int first,
                     const std::string& header, double h) {
    Listing listing;
    listing.header = header;
    listing.stoppable = kind != ListingKind::Parameter;
    const int count = static_cast<int>(values.size());
    if (kind == ListingKind::Pallet || kind == ListingKind::Offset) {
        const char* const* labels = kind == ListingKind::Pallet ? kPalletLabels : kOffsetLabels;
        const int lines = kind == ListingKind::Pallet ? 10 : 5;
        for (int k = 0; k < lines && k < count; ++k)
            listing.lines.push_back({0, LineY(k, h), labels[k] + kSixBlanks + values[k]});
        return listing;
    }
    if (kind == ListingKind::Parameter) {
        for (int i = 0; i < count; ++i) {
            const int number = first + i;
            if (Reserved(number)) continue;
            listing.lines.push_back(
                {0, LineY(i + 1, h), "PRM No." + std::to_string(number) + kSixBlanks + values[i]});
        }
        return listing;
    }
    // Steps: a new page after each full one, unless nothing follows it.
    const int perPage = std::max(1, LinesPerPage(h));
    for (int i = 0; i < count; ++i) {
        const int page = i / perPage;
        listing.lines.push_back({page, LineY(i % perPage + 1, h),
                                 "Step No." + std::to_string(first + i) + kSixBlanks + values[i]});
    }
    listing.pages = count == 0 ? 1 : (count - 1) / perPage + 1;
    return listing;
}

}  // namespace mivo
