#include "data/DateFormat.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "data/QuotedText.h"

namespace vevezo {

namespace {

// The settings' own formats are expanded inside a pattern; they are not expanded again below
// this depth, so that a format naming itself cannot recurse without end.
constexpr int MaxNesting = 2;

QString Padded(int number, int width) {
    return QString::number(number).rightJustified(width, u'0');
}

bool MatchesAt(const QString& pattern, qsizetype pos, QLatin1StringView word) {
    return QStringView(pattern).mid(pos).startsWith(word, Qt::CaseInsensitive);
}

class DateWriter {
public:
    DateWriter(const QDateTime& value, const FormatSettings& settings)
        : date_(value.date()), time_(value.time()), settings_(settings) {}

    void Write(const QString& pattern, int depth);
    QString Result() const { return out_; }

private:
    void WriteSpecifier(char16_t letter, int count, int depth);
    void WriteNested(const QString& pattern, int depth);
    qsizetype WriteMarker(const QString& pattern, qsizetype pos);
    int Hour() const;

    QDate date_;
    QTime time_;
    const FormatSettings& settings_;
    QString out_;
    char16_t lastSpecifier_ = 0;
    bool twelveHour_ = false; // of the pattern being written
};

// True when the pattern holds an am/pm marker outside quotes: its hours are then given on the
// 12-hour clock, whether the marker comes before the hour (下午 2:07) or after it.
bool TwelveHourClock(const QString& pattern) {
    for (qsizetype pos = 0; pos < pattern.size(); ++pos) {
        const QChar c = pattern[pos];
        if (IsQuote(c)) {
            pos = pattern.indexOf(c, pos + 1);
            if (pos < 0) {
                return false;
            }
        } else if (MatchesAt(pattern, pos, QLatin1StringView("am/pm")) ||
                   MatchesAt(pattern, pos, QLatin1StringView("a/p")) ||
                   MatchesAt(pattern, pos, QLatin1StringView("ampm"))) {
            return true;
        }
    }
    return false;
}

int DateWriter::Hour() const {
    const int hour = time_.hour();
    if (!twelveHour_) {
        return hour;
    }
    return hour % 12 == 0 ? 12 : hour % 12;
}

void DateWriter::WriteNested(const QString& pattern, int depth) {
    if (depth < MaxNesting) {
        Write(pattern, depth + 1);
    }
}

// Writes an am/pm marker at pos and returns its length; 0 when there is none.
qsizetype DateWriter::WriteMarker(const QString& pattern, qsizetype pos) {
    const bool morning = time_.hour() < 12;
    if (MatchesAt(pattern, pos, QLatin1StringView("am/pm"))) {
        out_ += pattern.mid(morning ? pos : pos + 3, 2);
        return 5;
    }
    if (MatchesAt(pattern, pos, QLatin1StringView("a/p"))) {
        out_ += pattern[morning ? pos : pos + 2];
        return 3;
    }
    if (MatchesAt(pattern, pos, QLatin1StringView("ampm"))) {
        out_ += morning ? settings_.timeAMString : settings_.timePMString;
        return 4;
    }
    return 0;
}

void DateWriter::WriteSpecifier(char16_t letter, int count, int depth) {
    if (letter == u'm' && count <= 2 && lastSpecifier_ == u'h') {
        letter = u'n';
    }
    lastSpecifier_ = letter;
    switch (letter) {
    case u'c':
        WriteNested(settings_.shortDateFormat, depth);
        if (time_ != QTime(0, 0)) {
            out_ += u' ';
            WriteNested(settings_.longTimeFormat, depth);
        }
        break;
    case u'd':
        if (count <= 2) {
            out_ += Padded(date_.day(), count);
        } else if (count <= 4) {
            const auto& names = count == 3 ? settings_.shortDayNames : settings_.longDayNames;
            out_ += names.value(date_.dayOfWeek() % 7);
        } else {
            WriteNested(count == 5 ? settings_.shortDateFormat : settings_.longDateFormat, depth);
        }
        break;
    case u'm':
        if (count <= 2) {
            out_ += Padded(date_.month(), count);
        } else {
            const auto& names = count == 3 ? settings_.shortMonthNames : settings_.longMonthNames;
            out_ += names.value(date_.month() - 1);
        }
        break;
    case u'y':
        out_ += count <= 2 ? Padded(date_.year() % 100, 2) : Padded(date_.year(), 4);
        break;
    case u'h':
        out_ += Padded(Hour(), qMin(count, 2));
        break;
    case u'n':
        out_ += Padded(time_.minute(), qMin(count, 2));
        break;
    case u's':
        out_ += Padded(time_.second(), qMin(count, 2));
        break;
    case u'z':
        out_ += Padded(time_.msec(), count >= 3 ? 3 : 1);
        break;
    case u't':
        WriteNested(count == 1 ? settings_.shortTimeFormat : settings_.longTimeFormat, depth);
        break;
    default:
        break;
    }
}

void DateWriter::Write(const QString& pattern, int depth) {
    static const QString specifiers = QStringLiteral("cdmyhnszt");
    const bool outerTwelveHour = twelveHour_;
    twelveHour_ = TwelveHourClock(pattern);
    for (qsizetype pos = 0; pos < pattern.size();) {
        const QChar c = pattern[pos];
        const char16_t letter = c.toLower().unicode();
        if (IsQuote(c)) {
            out_ += ReadQuotedText(pattern, pos);
        } else if (letter == u'a') {
            const qsizetype length = WriteMarker(pattern, pos);
            if (length == 0) {
                out_ += c;
            }
            pos += qMax<qsizetype>(length, 1);
        } else if (specifiers.contains(QChar(letter))) {
            qsizetype end = pos + 1;
            while (end < pattern.size() && pattern[end].toLower() == QChar(letter)) {
                ++end;
            }
            const int count = static_cast<int>(qMin<qsizetype>(end - pos, 6));
            WriteSpecifier(letter, count, depth);
            pos = end;
        } else {
            out_ += c == u'/' ? settings_.dateSeparator : c == u':' ? settings_.timeSeparator : c;
            ++pos;
        }
    }
    twelveHour_ = outerTwelveHour;
}

} // namespace

QString FormatDateTime(const QString& pattern, const QDateTime& value,
                       const FormatSettings& settings) {
    const QDate date = value.date();
    if (!date.isValid() || date.year() < 1 || date.year() > 9999 || !value.time().isValid()) {
        throw ConvertError(QString::fromUtf8(msg::NotADateTime));
    }
    DateWriter writer(value, settings);
    writer.Write(pattern.isEmpty() ? QStringLiteral("c") : pattern, 0);
    return writer.Result();
}

} // namespace vevezo
