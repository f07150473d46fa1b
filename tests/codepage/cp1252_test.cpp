#include "codepage/cp1252.h"

#include <gtest/gtest.h>

namespace mivo {
namespace {

TEST(Cp1252, RoundTripsEveryByteAndRefusesWhatItCannotHold) {
    std::string all;  // every byte: each one comes back from its character
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    struct Case {
        QString text;
        bool encodable;
        std::string bytes;  // when encodable: the bytes; otherwise what encode(text) makes
        char16_t bad;       // when not: the first character refused
    };
    const Case cases[] = {
        {"POI 100", true, "POI 100", 0},
        {Cp1252::decode(all), true, all, 0},
        {QString(QChar(0x20AC)), true, "\x80", 0},     // euro sign
        {QString(QChar(0x0081)), true, "\x81", 0},     // undefined byte kept
        {QString(QChar(0x0080)), false, "?", 0x0080},  // byte 0x80 means the euro sign
        {QString("A") + QChar(0x0100) + QChar(0x3042) + "B", false, "A??B", 0x0100},
        {"X" + emoji, false, "X??", emoji[0].unicode()},      // beyond the first plane
        {QString("X") + QChar(0xD83D), false, "X?", 0xD83D},  // half a pair at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QChar checked;
        QChar bad;
        std::string bytes = "unchanged";
        EXPECT_EQ(Cp1252::canEncode(c.text, &checked), c.encodable);
        EXPECT_EQ(Cp1252::encode(c.text, bytes, &bad), c.encodable);
        // Never the converter's substitute 0x1A: on the line that byte is a command.
        EXPECT_EQ(Cp1252::encode(c.text), c.bytes);
        if (c.encodable) {
            EXPECT_EQ(bytes, c.bytes);
            EXPECT_EQ(Cp1252::decode(bytes), c.text);
        } else {
            EXPECT_EQ(bytes, "unchanged");
            EXPECT_EQ(checked.unicode(), c.bad);
            EXPECT_EQ(bad.unicode(), c.bad);
        }
    }
}

}  // namespace
}  // namespace mivo
