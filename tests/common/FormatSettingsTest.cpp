#include "common/FormatSettings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(FormatSettings, ChineseLocaleInReportPatterns) {
    const FormatSettings s = FormatSettings::FromLocale(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(s.decimalSeparator, u'.');
    EXPECT_EQ(s.dateSeparator, u'/');
    EXPECT_EQ(s.shortDateFormat, QStringLiteral("yyyy/m/d"));
    EXPECT_EQ(s.timeSeparator, u':');
    EXPECT_TRUE(s.longTimeFormat.startsWith(QStringLiteral("hh:nn:ss")) ||
                s.longTimeFormat.startsWith(QStringLiteral("h:nn:ss")))
        << s.longTimeFormat.toStdString();
    ASSERT_EQ(s.longMonthNames.size(), 12);
    EXPECT_EQ(s.longMonthNames[0], QStringLiteral("一月"));
    ASSERT_EQ(s.longDayNames.size(), 7);
    EXPECT_EQ(s.longDayNames[0], QStringLiteral("星期日"));
}

TEST(FormatSettings, GermanSeparators) {
    const FormatSettings s = FormatSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(s.decimalSeparator, u',');
    EXPECT_EQ(s.thousandSeparator, u'.');
    EXPECT_EQ(s.dateSeparator, u'.');
    EXPECT_EQ(s.shortDateFormat, QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(s.longDayNames[1], QStringLiteral("Montag"));
}
