#include "print/listing_painter.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTime>

#include "codepage/cp1252.h"

namespace mivo {

QFont PrintingFont(double pointSize) {
    QFont font("Arial");
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QPageLayout PdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Point);
}

double LineHeight(QPaintDevice& printer, const QFont& font) {
    // The height of any text in the font, as the printer measures it, "KUUHAKU"'s included.
    return QFontMetricsF(font, &printer).height();
}

std::string PrintDate() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string PrintTime() {
    return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

Drawn DrawListing(QPagedPaintDevice& printer, const QFont& font, const Listing& listing,
                  const std::function<bool()>& carryOn) {
    QPainter painter;
    if (!painter.begin(&printer)) return Drawn::NotStarted;
    painter.setFont(font);
    // A line's y is the top of its text, as on the page's own coordinates.
    const double ascent = QFontMetricsF(font, &printer).ascent();
    const auto draw = [&](int y, const std::string& text) {
        painter.drawText(QPointF(kListingX, y + ascent), Cp1252::decode(text));
    };
    draw(0, listing.header);
    int page = 0;
    Drawn drawn = Drawn::Whole;
    for (const ListingLine& line : listing.lines) {
        while (page < line.page) {
            printer.newPage();
            draw(0, listing.header);
            ++page;
        }
        draw(line.y, line.text);
        if (listing.stoppable && carryOn && !carryOn()) {
            drawn = Drawn::Stopped;
            break;
        }
    }
    painter.end();
    return drawn;
}

PdfPages::PdfPages(const QPageLayout& layout) : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(kPrinterDpi);
    writer_.setPageLayout(layout);
}

std::string_view PdfPages::bytes() const {
    const QByteArray& data = buffer_.data();
    return {data.constData(), static_cast<std::size_t>(data.size())};
}

}  // namespace mivo
