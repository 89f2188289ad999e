#include "data/ChineseMoney.h"

#include "TestSupport.h"
#include "common/Error.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vevezo;

TEST(ChineseMoney, Amounts) {
    const struct {
        double amount;
        const char* text;
    } cases[] = {
        {0, "零"},
        {1234.5, "壹仟贰佰叁拾肆圆伍角"},
        {100000, "壹拾万圆整"},
        {1005.07, "壹仟零伍圆零柒分"},
        {-8, "负捌圆整"},
        {0.5, "圆伍角"},
        {10, "壹拾圆整"},
        {101, "壹佰零壹圆整"},
        {1.05, "壹圆零伍分"},
        {1.50, "壹圆伍角"},
        {20000, "贰万圆整"},
        // 万 and 亿 stand only over digits that are not all zero.
        {100000000, "壹亿圆整"},
        {100010000, "壹亿零壹万圆整"},
        {100000001, "壹亿零壹圆整"},
        {1000000000, "壹拾亿圆整"},
        {1000000000000, "壹万亿圆整"},
        {1234567890123, "壹万贰仟叁佰肆拾伍亿陆仟柒佰捌拾玖万零壹佰贰拾叁圆整"},
        {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆玖角玖分"},
        {10010, "壹万零壹拾圆整"},
        {0.07, "圆零柒分"},
        // Rounded to fen halves away from zero, on the decimal digits.
        {2.675, "贰圆陆角捌分"},
        {0.125, "圆壹角叁分"},
        {-0.125, "负圆壹角叁分"},
        {0.004, "零"},
        {-0.004, "零"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChineseMoney(c.amount), QString::fromUtf8(c.text)) << c.amount;
    }
}

TEST(ChineseMoney, RejectsAmountsBeyondTheUnitsAndNonNumbers) {
    EXPECT_THROW(ChineseMoney(10000000000000.0), ConvertError);
    EXPECT_THROW(ChineseMoney(-10000000000000.0), ConvertError);
    // Rounds up into fourteen integer digits.
    EXPECT_THROW(ChineseMoney(9999999999999.996), ConvertError);
    EXPECT_THROW(ChineseMoney(std::numeric_limits<double>::quiet_NaN()), ConvertError);
    EXPECT_THROW(ChineseMoney(std::numeric_limits<double>::infinity()), ConvertError);
    try {
        ChineseMoney(1e14);
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("大写金额"))) << e.text().toStdString();
    }
}
