#include "shell/cp1252_validator.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace mivo {
namespace {

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
