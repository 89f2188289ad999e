#include "data/DateFormat.h"

#include "PinnedSettings.h"
#include "TestSupport.h"
#include "common/Error.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vevezo;

namespace {

// Friday 5 January 2024, 14:07:09.045.
const QDateTime Afternoon(QDate(2024, 1, 5), QTime(14, 7, 9, 45));
const QDateTime Midnight(QDate(2024, 11, 25), QTime(0, 0));
const QDateTime Morning(QDate(2024, 11, 25), QTime(9, 30, 0));

struct DateCase {
    const char* pattern;
    const QDateTime& value;
    const char* text;
};

void ExpectFormats(const std::vector<DateCase>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.pattern), c.value, PinnedSettings()),
                  QString::fromUtf8(c.text))
            << c.pattern;
    }
}

} // namespace

TEST(DateFormat, Specifiers) {
    const std::vector<DateCase> cases = {
        {"yyyy'年'm'月'd'日'", Afternoon, "2024年1月5日"},
        {"d dd", Afternoon, "5 05"},
        {"ddd dddd", Afternoon, "周五 星期五"},
        {"ddddd", Afternoon, "2024-1-5"},
        {"dddddd", Afternoon, "2024年1月5日"},
        {"m mm mmm mmmm", Afternoon, "1 01 1月 一月"},
        {"yy yyyy", Afternoon, "24 2024"},
        {"y", Afternoon, "24"},
        {"h hh", Morning, "9 09"},
        {"n nn", Afternoon, "7 07"},
        {"s ss", Afternoon, "9 09"},
        {"z zzz", Afternoon, "45 045"},
        {"t", Afternoon, "14:07"},
        {"tt", Afternoon, "14:07:09"},
        {"YYYY-MM-DD", Afternoon, "2024-01-05"},
        {"YYYY/MM/DD", Afternoon, "2024-01-05"},
        {"hh:nn:ss", Afternoon, "14:07:09"},
        {"'yyyy'\"mm\"", Afternoon, "yyyymm"},
        {"第q季", Afternoon, "第q季"},
    };
    ExpectFormats(cases);
}

TEST(DateFormat, MonthAfterHourMeansMinutes) {
    const std::vector<DateCase> cases = {
        {"h:m", Afternoon, "14:7"},
        {"hh:mm", Afternoon, "14:07"},
        {"hh'时'mm'分'", Afternoon, "14时07分"},
        {"mm/dd hh:mm", Afternoon, "01-05 14:07"},
        {"h mmmm", Afternoon, "14 一月"},
        {"mm", Afternoon, "01"},
    };
    ExpectFormats(cases);
}

TEST(DateFormat, TwelveHourClock) {
    const std::vector<DateCase> cases = {
        {"h:nn am/pm", Afternoon, "2:07 pm"}, {"h:nn AM/PM", Morning, "9:30 AM"},
        {"h:nn Am/pM", Afternoon, "2:07 pM"}, {"hh a/p", Afternoon, "02 p"},
        {"hh A/P", Midnight, "12 A"},         {"ampm h:nn", Afternoon, "下午 2:07"},
        {"h ampm", Morning, "9 上午"},        {"h a", Afternoon, "14 a"},
    };
    ExpectFormats(cases);
}

TEST(DateFormat, ShortDateAndLongTimeLeavesOutMidnight) {
    const FormatSettings s = PinnedSettings();
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), Afternoon, s),
              QStringLiteral("2024-1-5 14:07:09"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), Midnight, s), QStringLiteral("2024-11-25"));
    EXPECT_EQ(FormatDateTime(QString(), Afternoon, s), QStringLiteral("2024-1-5 14:07:09"));
}

TEST(DateFormat, SettingsThatNameThemselvesDoNotRecurse) {
    FormatSettings s = PinnedSettings();
    s.shortDateFormat = QStringLiteral("c|ddddd");
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddddd"), Midnight, s), QStringLiteral("|||"));
}

TEST(DateFormat, RejectsBadPatternsAndDates) {
    const FormatSettings s = PinnedSettings();
    EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy'年"), Afternoon, s), ConvertError);
    EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), QDateTime(), s), ConvertError);
    EXPECT_THROW(
        FormatDateTime(QStringLiteral("yyyy"), QDateTime(QDate(10000, 1, 1), QTime(0, 0)), s),
        ConvertError);
}
