#include "common/FormatSettings.h"

#include <optional>

namespace vevezo {

namespace {

// Translates a Qt date/time pattern into the report pattern language. Quoted text is kept;
// minutes become "n" so that they cannot be taken for months.
QString FromQtPattern(const QString& pattern) {
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (c == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end + 1;
            out += pattern.mid(i, stop - i);
            i = stop;
            continue;
        }
        switch (c.unicode()) {
        case u'M':
            out += QString(run, u'm');
            break;
        case u'm':
            out += QString(run, u'n');
            break;
        case u'H':
            out += QString(qMin<qsizetype>(run, 2), u'h');
            break;
        case u'a':
        case u'A':
        case u'p':
        case u'P':
            if (c == u'a' || c == u'A') {
                out += QStringLiteral("ampm");
            }
            break;
        case u't': // time zone: not part of the report patterns
            break;
        case u'z':
            out += run >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        i += run;
    }
    return out.trimmed();
}

QChar SeparatorIn(const QString& pattern, QChar fallback) {
    for (const QChar c : pattern) {
        if (!c.isLetterOrNumber() && c != u'\'' && !c.isSpace()) {
            return c;
        }
    }
    return fallback;
}

std::optional<FormatSettings>& Override() {
    static std::optional<FormatSettings> settings;
    return settings;
}

} // namespace

FormatSettings FormatSettings::FromLocale(const QLocale& locale) {
    FormatSettings s;
    s.decimalSeparator = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint()[0];
    s.thousandSeparator =
        locale.groupSeparator().isEmpty() ? QChar(u',') : locale.groupSeparator()[0];
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    s.dateSeparator = SeparatorIn(shortDate, u'/');
    s.timeSeparator = SeparatorIn(locale.timeFormat(QLocale::ShortFormat), u':');
    // Four-digit years: the short format of many locales has two.
    QString shortDateFull = shortDate;
    if (!shortDateFull.contains(QLatin1String("yyyy"))) {
        shortDateFull.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    s.shortDateFormat = FromQtPattern(shortDateFull);
    s.longDateFormat = FromQtPattern(locale.dateFormat(QLocale::LongFormat));
    s.shortTimeFormat = FromQtPattern(locale.timeFormat(QLocale::ShortFormat));
    s.longTimeFormat = FromQtPattern(locale.timeFormat(QLocale::LongFormat));
    s.timeAMString = locale.amText();
    s.timePMString = locale.pmText();
    for (int month = 1; month <= 12; ++month) {
        s.shortMonthNames << locale.monthName(month, QLocale::ShortFormat);
        s.longMonthNames << locale.monthName(month, QLocale::LongFormat);
    }
    // Qt numbers days from Monday (1) to Sunday (7); the report names start with Sunday.
    for (int day : {7, 1, 2, 3, 4, 5, 6}) {
        s.shortDayNames << locale.dayName(day, QLocale::ShortFormat);
        s.longDayNames << locale.dayName(day, QLocale::LongFormat);
    }
    return s;
}

const FormatSettings& UserFormatSettings() {
    if (!Override()) {
        Override() = FormatSettings::FromLocale(QLocale::system());
    }
    return *Override();
}

void SetUserFormatSettings(const FormatSettings& settings) {
    Override() = settings;
}

} // namespace vevezo
