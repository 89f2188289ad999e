#include "data/NumberFormat.h"

#include "PinnedSettings.h"
#include "TestSupport.h"
#include "common/Error.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vevezo;

namespace {

struct NumberCase {
    const char* pattern;
    double value;
    const char* text;
};

void ExpectFormats(const std::vector<NumberCase>& cases, const FormatSettings& settings) {
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(QString::fromUtf8(c.pattern), c.value, settings),
                  QString::fromUtf8(c.text))
            << c.pattern << " on " << c.value;
    }
}

} // namespace

TEST(NumberFormat, PlaceholdersPointAndGrouping) {
    ExpectFormats({{"#,##0.00", 1234567.891, "1,234,567.89"},
                   {"#,##0.00", 0, "0.00"},
                   {"#,##0.00", 12.5, "12.50"},
                   {"#,##0", 999.5, "1,000"},
                   {"0,000", 12, "0,012"},
                   {"0", 2.5, "3"},
                   {"0", -2.5, "-3"},
                   {"0.00", 2.675, "2.68"},
                   {"0.00", 1.005, "1.01"},
                   {"0.##", 5, "5"},
                   {"0.##", 5.1, "5.1"},
                   {"0.0#", 5, "5.0"},
                   {"#.##", 0.5, ".5"},
                   {"#", 0, ""},
                   {"#", 0.4, ""},
                   {"00000", 42, "00042"},
                   {"0", 123456, "123456"},
                   {".00", 12.5, "12.50"},
                   {"0.00", 0.001, "0.00"},
                   {"#-#", 5, "-5"},
                   {"0-0", 123, "12-3"},
                   {"#,#", 1234567, "1,234,567"},
                   {"0.000,", 1234.5, "1,234.500"}},
                  PinnedSettings());
}

TEST(NumberFormat, SectionsForNegativeAndZero) {
    ExpectFormats({{"0.00;(0.00)", -2.5, "(2.50)"},
                   {"0.00;(0.00)", 2.5, "2.50"},
                   {"0.00;(0.00);-", 0, "-"},
                   {"0.00;;零", 0, "零"},
                   {"0.00;;零", -3, "-3.00"},
                   {"0;;", -3, "-3"},
                   {"\"正\";\"负\";\"零\"", 7, "正"},
                   {"\"正\";\"负\";\"零\"", -7, "负"},
                   {"\"正\";\"负\";\"零\"", 0, "零"},
                   // What rounds to zero is zero: by the zero section, without a sign.
                   {"0.00;(0.00);无", -0.001, "无"},
                   {"0.00", -0.001, "0.00"},
                   {"0.0;(0.0)", -0.04, "0.0"}},
                  PinnedSettings());
}

TEST(NumberFormat, LiteralText) {
    ExpectFormats({{"第 # 页", 3, "第 3 页"},
                   {"'#'0", 5, "#5"},
                   {"\"0.0\" 0", 5, "0.0 5"},
                   {"0 'a;b'", 5, "5 a;b"},
                   {"¥#,##0.00元", 1234.5, "¥1,234.50元"},
                   {"0%", 50, "50%"},
                   {"abc", 5, "abc"},
                   {"abc", -5, "-abc"}},
                  PinnedSettings());
}

TEST(NumberFormat, ScientificForm) {
    ExpectFormats({{"0.00E+00", 1234, "1.23E+03"},
                   {"0.00E+00", 0.000123, "1.23E-04"},
                   {"0.00E-00", 1234, "1.23E03"},
                   {"0.00e-0", 0.05, "5.00e-2"},
                   {"00.0E+0", 1234, "12.3E+2"},
                   {"0.00E+00", 0, "0.00E+00"},
                   {"0.00E+00", -1234, "-1.23E+03"},
                   {"0E+0000", 12345, "1E+0004"},
                   {"0.0E+00", 9.96, "1.0E+01"},
                   {"0.00E+00", 1e30, "1.00E+30"}},
                  PinnedSettings());
}

TEST(NumberFormat, GeneralForm) {
    ExpectFormats({{"", 1234.5, "1234.5"},
                   {"", -0.25, "-0.25"},
                   {"", 0, "0"},
                   {";(0)", 1.5, "1.5"},
                   {";(0)", -1.5, "(2)"},
                   {"", 1.0 / 3, "0.333333333333333"},
                   {"", 1e15, "1E15"},
                   {"", 123456789012345.0, "123456789012345"},
                   {"", 0.0001, "0.0001"},
                   {"", 0.00001, "1E-5"},
                   {"", 1.5e-7, "1.5E-7"},
                   // More than 18 integer digits leave the fixed form.
                   {"#,##0", 1e19, "1E19"},
                   {"0", 123456789012345678.0, "123456789012346000"}},
                  PinnedSettings());
}

TEST(NumberFormat, LocaleSeparators) {
    ExpectFormats({{"#,##0.00", 1234567.891, "1.234.567,89"}, {"", 2.5, "2,5"}},
                  CommaDecimalSettings());
}

TEST(NumberFormat, ExactDecimalsKeepEveryDigit) {
    const FormatSettings s = PinnedSettings();
    EXPECT_EQ(
        FormatNumber(QStringLiteral("#,##0"), DecimalNumber::FromInt64(-999999999999999999), s),
        QStringLiteral("-999,999,999,999,999,999"));
    // Nineteen digits and more take the general form even for integers.
    EXPECT_EQ(FormatNumber(QStringLiteral("#,##0"),
                           DecimalNumber::FromInt64(std::numeric_limits<qint64>::min()), s),
              QStringLiteral("-9.22337203685478E18"));
    EXPECT_EQ(FormatNumber(QStringLiteral("0.00E+00"),
                           DecimalNumber::FromUInt64(std::numeric_limits<quint64>::max()), s),
              QStringLiteral("1.84E+19"));
    EXPECT_EQ(FormatNumber(QStringLiteral("0.00"), DecimalNumber::FromCurrency(Currency{26750}), s),
              QStringLiteral("2.68"));
}

TEST(NumberFormat, NonFiniteValues) {
    const FormatSettings s = PinnedSettings();
    EXPECT_EQ(FormatNumber(QStringLiteral("0.00"), std::numeric_limits<double>::quiet_NaN(), s),
              QStringLiteral("NAN"));
    EXPECT_EQ(FormatNumber(QStringLiteral("0.00"), -std::numeric_limits<double>::infinity(), s),
              QStringLiteral("-INF"));
}

TEST(NumberFormat, RejectsBadPatterns) {
    const FormatSettings s = PinnedSettings();
    for (const char* pattern : {"0;0;0;0", "'unclosed 0", "0 \"x"}) {
        EXPECT_THROW(FormatNumber(QString::fromUtf8(pattern), 1.0, s), ConvertError) << pattern;
    }
}
