#include "common/Color.h"
#include "common/Error.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(Color, TextIsBlueFirstUpperCaseHex) {
    EXPECT_EQ(ColorToText(clRed), QStringLiteral("#0000FF"));
    EXPECT_EQ(ColorToText(clBlue), QStringLiteral("#FF0000"));
    EXPECT_EQ(ColorToText(RGBColor(0x12, 0xAB, 0xEF)), QStringLiteral("#EFAB12"));
    EXPECT_EQ(ColorToText(clBlack), QStringLiteral("#000000"));
    // System colours are resolved before they are written.
    EXPECT_EQ(ColorToText(clWindow), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ColorToText(clBtnFace), QStringLiteral("#F0F0F0"));
}

TEST(Color, ReadsHashDollarDecimalAndIdentifiers) {
    const struct {
        const char* text;
        TColor value;
    } cases[] = {
        {"#0000FF", clRed},     {"$0000FF", clRed},   {"#ff0000", clBlue},
        {"255", clRed},         {"clRed", clRed},     {"CLRED", clRed},
        {"clBtnFace", clBtnFace}, {"clNone", clNone}, {"#80000005", clWindow},
        {"-1", -1},             {"#0", clBlack},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorFromText(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

TEST(Color, MalformedTextThrows) {
    for (const char* text : {"#GG0000", "", "#", "red", "#123456789", "12.5", "# 00"}) {
        EXPECT_THROW(ColorFromText(QString::fromUtf8(text)), ConvertError) << text;
    }
}

TEST(Color, QColorConversionKeepsChannels) {
    const QColor q = ToQColor(RGBColor(10, 20, 30));
    EXPECT_EQ(q, QColor(10, 20, 30));
    EXPECT_EQ(FromQColor(q), RGBColor(10, 20, 30));
    EXPECT_EQ(ToQColor(clWindowText), QColor(0, 0, 0));
}
