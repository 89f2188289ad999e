#pragma once

#include "common/FormatSettings.h"

// Settings fixed for tests, independent of the machine's locale: Chinese names and markers, "."
// and "," as separators, "-" as the date separator so that it is told apart from a written "/".
inline vevezo::FormatSettings PinnedSettings() {
    vevezo::FormatSettings s;
    s.decimalSeparator = u'.';
    s.thousandSeparator = u',';
    s.dateSeparator = u'-';
    s.timeSeparator = u':';
    s.shortDateFormat = QStringLiteral("yyyy/m/d");
    s.longDateFormat = QStringLiteral("yyyy'年'm'月'd'日'");
    s.shortTimeFormat = QStringLiteral("h:nn");
    s.longTimeFormat = QStringLiteral("h:nn:ss");
    s.timeAMString = QStringLiteral("上午");
    s.timePMString = QStringLiteral("下午");
    for (int month = 1; month <= 12; ++month) {
        s.shortMonthNames << QString::number(month) + QStringLiteral("月");
    }
    s.longMonthNames = QStringList{"一月", "二月", "三月", "四月", "五月",   "六月",
                                   "七月", "八月", "九月", "十月", "十一月", "十二月"};
    s.shortDayNames = QStringList{"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
    s.longDayNames =
        QStringList{"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return s;
}

// The same with the separators swapped, as in many European locales.
inline vevezo::FormatSettings CommaDecimalSettings() {
    vevezo::FormatSettings s = PinnedSettings();
    s.decimalSeparator = u',';
    s.thousandSeparator = u'.';
    return s;
}
