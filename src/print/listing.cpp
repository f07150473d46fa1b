#include "print/listing.h"

#include <algorithm>

#include "common/convert.h"

namespace mivo {

namespace {

const std::string kSixBlanks = "      ";

}  // namespace

PrintRange PresetRange(DataKind kind) {
    const ListingLayout& layout = Describe(kind).listing;
    return {layout.presetFirst, layout.presetLast};
}

bool RangeEditable(DataKind kind) { return Describe(kind).listing.rangeEditable; }

bool RangeAccepted(DataKind kind, const std::string& first, const std::string& last) {
    if (first.empty() || last.empty()) return false;
    const int from = StrToInt(first);
    const int to = StrToInt(last);
    if (from < 0 || to < 0 || from > to) return false;
    const int lastItem = Describe(kind).listing.lastItem;
    return lastItem < 0 || to <= lastItem;
}

std::string HeaderLine(DataKind kind, const std::string& date, const std::string& time) {
    return Describe(kind).listing.title + date + "   Time:  " + time;
}

int LinesPerPage(double h) { return h > 0 ? static_cast<int>(3000 / h) : 1; }

int LineY(int k, double h) { return static_cast<int>(k * h + 100); }

Listing BuildListing(DataKind kind, const std::vector<std::string>& values, int first,
                     const std::string& header, double h) {
    const ListingLayout& layout = Describe(kind).listing;
    Listing listing;
    listing.header = header;
    listing.stoppable = layout.stoppable;
    const int count = static_cast<int>(values.size());
    if (!layout.labels.empty()) {
        const int lines = static_cast<int>(layout.labels.size());
        for (int k = 0; k < lines && k < count; ++k)
            listing.lines.push_back({0, LineY(k, h), layout.labels[k] + kSixBlanks + values[k]});
        return listing;
    }
    // A paged kind begins a new page after each full one, unless nothing follows it.
    const int perPage = layout.paged ? std::max(1, LinesPerPage(h)) : count + 1;
    for (int i = 0; i < count; ++i) {
        const int number = first + i;
        if (std::ranges::find(layout.unprinted, number) != layout.unprinted.end()) continue;
        listing.lines.push_back(
            {i / perPage, LineY(i % perPage + 1, h),
             layout.numbered + std::to_string(number) + kSixBlanks + values[i]});
    }
    if (layout.paged) listing.pages = count == 0 ? 1 : (count - 1) / perPage + 1;
    return listing;
}

}  // namespace mivo
