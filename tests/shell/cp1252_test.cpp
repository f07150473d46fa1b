#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "shell/cp1252.h"

namespace mivo {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = Cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(Cp1252::canEncode(text));
    std::string back;
    ASSERT_TRUE(Cp1252::encode(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252, MapsTheHighTableAndRefusesWhatItCannotHold) {
    struct Case {
        QString text;
        bool encodable;
        std::string bytes;  // when encodable
        char16_t bad;       // when not
    };
    const Case cases[] = {
        {"POI 100", true, "POI 100", 0},
        {QString(QChar(0x20AC)), true, "\x80", 0},        // euro sign
        {QString(QChar(0x0178)), true, "\x9F", 0},        // last of the table
        {QString(QChar(0x00E9)), true, "\xE9", 0},        // Latin-1 range as it stands
        {QString(QChar(0x0081)), true, "\x81", 0},        // undefined byte kept
        {QString(QChar(0x009D)), true, "\x9D", 0},        // undefined byte kept
        {QString(QChar(0x0080)), false, "", 0x0080},      // byte 0x80 means the euro sign
        {QString("A") + QChar(0x0100) + "B", false, "", 0x0100},
        {QString(QChar(0x3042)), false, "", 0x3042},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QChar bad;
        std::string bytes = "unchanged";
        EXPECT_EQ(Cp1252::canEncode(c.text, &bad), c.encodable);
        EXPECT_EQ(Cp1252::encode(c.text, bytes, &bad), c.encodable);
        if (c.encodable) {
            EXPECT_EQ(bytes, c.bytes);
            EXPECT_EQ(Cp1252::decode(bytes), c.text);
        } else {
            EXPECT_EQ(bytes, "unchanged");
            EXPECT_EQ(bad.unicode(), c.bad);
        }
    }
}

TEST(Cp1252, ValidatorRefusesTypedCharactersOutsideTheCodePage) {
    QLineEdit edit;
    edit.setValidator(new Cp1252Validator(&edit));
    QTest::keyClicks(&edit, "X100");
    edit.insert(QString(QChar(0x0100)));  // as pasted
    edit.insert(QString(QChar(0x20AC)));
    EXPECT_EQ(edit.text(), QString("X100") + QChar(0x20AC));
}

}  // namespace
}  // namespace mivo
