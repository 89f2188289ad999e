#include "data/PacketText.h"

#include "common/DateTimeValue.h"
#include "common/Numbers.h"
#include "common/VariantType.h"
#include "data/AdoTypes.h"
#include "data/DateFormat.h"
#include "document/TextCodec.h"
#include "document/XmlCons.h"

#include <QDateTime>
#include <QRegularExpression>

namespace vevezo {

namespace {

std::optional<QTime> ParseTime(const QString& text, const FormatSettings& settings) {
    QString rest = text.trimmed();
    if (rest.isEmpty()) {
        return QTime(0, 0);
    }
    int shift = -1; // -1 no marker, 0 morning, 12 afternoon
    const std::pair<QString, int> markers[] = {{settings.timeAMString, 0},
                                               {settings.timePMString, 12},
                                               {QStringLiteral("AM"), 0},
                                               {QStringLiteral("PM"), 12}};
    for (const auto& [marker, hours] : markers) {
        if (marker.isEmpty()) {
            continue;
        }
        if (rest.startsWith(marker, Qt::CaseInsensitive)) {
            rest = rest.mid(marker.size()).trimmed();
            shift = hours;
            break;
        }
        if (rest.endsWith(marker, Qt::CaseInsensitive)) {
            rest.chop(marker.size());
            rest = rest.trimmed();
            shift = hours;
            break;
        }
    }
    static const QRegularExpression time(
        QStringLiteral(R"(^(\d{1,2})\D(\d{1,2})(?:\D(\d{1,2})(?:\.(\d{1,3}))?)?$)"));
    const auto match = time.match(rest);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    int hour = match.captured(1).toInt();
    if (shift >= 0) {
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        hour = hour % 12 + shift;
    }
    const QTime value(hour, match.captured(2).toInt(), match.captured(3).toInt(),
                      match.captured(4).leftJustified(3, u'0').toInt());
    return value.isValid() ? std::optional<QTime>(value) : std::nullopt;
}

std::optional<QDateTime> ParseDateTime(const QString& text, const FormatSettings& settings) {
    static const QRegularExpression date(QStringLiteral(R"(^\s*(\d{1,4})-(\d{1,2})-(\d{1,2}))"));
    const auto match = date.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QDate day(match.captured(1).toInt(), match.captured(2).toInt(),
                    match.captured(3).toInt());
    const auto time = ParseTime(text.mid(match.capturedEnd()), settings);
    if (!day.isValid() || !time) {
        return std::nullopt;
    }
    return NaiveDateTime(day, *time);
}

QString NumberText(const QVariant& value) {
    switch (VarTypeOf(value)) {
    case varDouble:
    case varSingle:
        return QString::number(value.toDouble(), 'g', 15);
    case varCurrency:
        return QString::number(value.value<Currency>().ToDouble(), 'g', 19);
    case varDecimal:
        return value.value<Decimal>().text;
    case varBoolean:
        return value.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

} // namespace

std::optional<double> NumberFromText(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok) {
        return value;
    }
    QString local = text;
    local.replace(UserFormatSettings().decimalSeparator, QLatin1Char('.'));
    const double localValue = local.toDouble(&ok);
    return ok ? std::optional<double>(localValue) : std::nullopt;
}

const FormatSettings& PacketDateSettings() {
    static const FormatSettings settings = [] {
        FormatSettings s = UserFormatSettings();
        s.dateSeparator = u'-';
        s.shortDateFormat = QStringLiteral("yyyy-m-d");
        return s;
    }();
    return settings;
}

QString PacketValueText(const QVariant& value, int type) {
    if (IsNull(value) || IsEmpty(value)) {
        return QString();
    }
    const FormatSettings& settings = PacketDateSettings();
    if (IsDateType(type)) {
        const QDateTime moment = DateTimeOfValue(value);
        if (!moment.isValid()) {
            return value.toString();
        }
        QString text = FormatDateTime(settings.shortDateFormat, moment, settings);
        if (moment.time() != QTime(0, 0)) {
            text += QLatin1Char(' ') + FormatDateTime(settings.longTimeFormat, moment, settings);
        }
        return text;
    }
    if (type == adDBTime) {
        const QDateTime moment = DateTimeOfValue(value);
        return moment.isValid() ? FormatDateTime(settings.longTimeFormat, moment, settings)
                                : value.toString();
    }
    if (IsBinaryType(type)) {
        const QByteArray bytes = value.metaType().id() == QMetaType::QString
                                     ? EncodeText(value.toString())
                                     : value.toByteArray();
        return bytes.isEmpty() ? QString() : BytesToHex(bytes);
    }
    return NumberText(value);
}

QVariant ValueFromText(const QString& text, int type) {
    if (IsIntegerType(type)) {
        const QString trimmed = text.trimmed();
        // 64-bit columns keep their full range; the others read as 32-bit integers.
        if (type == adBigInt || type == adUnsignedBigInt) {
            return QVariant(TryStrictInt64(trimmed).value_or(0));
        }
        return QVariant(TryStrictInt(trimmed).value_or(0));
    }
    if (IsFloatType(type)) {
        if (text.isEmpty()) {
            return QVariant(0);
        }
        return QVariant(NumberFromText(text.trimmed()).value_or(0.0));
    }
    if (IsDateType(type)) {
        const auto value = ParseDateTime(text, PacketDateSettings());
        return value ? QVariant(*value) : QVariant(text);
    }
    if (type == adDBTime) {
        const auto value = ParseTime(text, PacketDateSettings());
        return value ? QVariant(*value) : QVariant(text);
    }
    if (type == adBoolean) {
        const QString trimmed = text.trimmed();
        if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            return false;
        }
        const auto number = NumberFromText(trimmed);
        return QVariant(number && *number != 0);
    }
    if (IsBinaryType(type)) {
        return HexToBytes(text);
    }
    return text;
}

} // namespace vevezo
