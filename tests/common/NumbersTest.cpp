#include "common/Error.h"
#include "common/Numbers.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    const struct {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2},
                 {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {37.79527559, 38}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt(c.in), c.out) << c.in;
    }
}

TEST(Rounding, OutOfRangeSaturates) {
    EXPECT_EQ(RoundToInt(1e300), INT_MAX);
    EXPECT_EQ(RoundToInt(-1e300), INT_MIN);
}

TEST(StrictInteger, AcceptsOnlySignAndDigits) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},         {"42", 42},          {"-12", -12},         {"+7", 7},
        {"007", 7},       {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", {}}, {"-2147483649", {}}, {"", {}},          {"-", {}},
        {" 1", {}},       {"1 ", {}},          {"$10", {}},          {"0x10", {}},
        {"1.0", {}},      {"1e3", {}},         {"--1", {}},          {"١", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryStrictInt(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

TEST(StrictInteger, SixtyFourBitLimits) {
    EXPECT_EQ(TryStrictInt64(u"9223372036854775807"), std::optional<qint64>(LLONG_MAX));
    EXPECT_EQ(TryStrictInt64(u"-9223372036854775808"), std::optional<qint64>(LLONG_MIN));
    EXPECT_FALSE(TryStrictInt64(u"9223372036854775808"));
    EXPECT_FALSE(TryStrictInt64(u"99999999999999999999999"));
}

TEST(StrictInteger, ThrowingFormNamesTheText) {
    EXPECT_EQ(StrictInt(u"-5"), -5);
    try {
        StrictInt(u"12a");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("12a")));
    }
}
