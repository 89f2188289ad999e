#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace vevezo {

// The user's locale as formatting sees it: separators, the date and time patterns (in the
// report pattern language: "m" month, "n" minute, "h" hour, "ampm" the locale's markers) and the
// month and day names. Day names start with Sunday.
struct FormatSettings {
    QChar decimalSeparator = u'.';
    QChar thousandSeparator = u',';
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    QString shortDateFormat = QStringLiteral("yyyy/m/d");
    QString longDateFormat = QStringLiteral("yyyy'年'm'月'd'日'");
    QString shortTimeFormat = QStringLiteral("h:nn");
    QString longTimeFormat = QStringLiteral("h:nn:ss");
    QString timeAMString = QStringLiteral("上午");
    QString timePMString = QStringLiteral("下午");
    QStringList shortMonthNames;
    QStringList longMonthNames;
    QStringList shortDayNames;
    QStringList longDayNames;

    // The settings of a Qt locale, patterns translated into the report pattern language.
    static FormatSettings FromLocale(const QLocale& locale);
};

// The settings formatting uses: the system locale's unless a host (or a test) sets others.
const FormatSettings& UserFormatSettings();
void SetUserFormatSettings(const FormatSettings& settings);

} // namespace vevezo
