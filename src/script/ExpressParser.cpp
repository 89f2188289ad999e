#include "script/ExpressParser.h"

#include "common/DateTimeValue.h"
#include "common/FormatSettings.h"
#include "common/VariantType.h"
#include "data/DateFormat.h"
#include "data/FieldPath.h"
#include "data/SourceInterfaces.h"
#include "script/ExpressionEvaluator.h"

#include <QLocale>

namespace vevezo {

namespace {

// "SUM(path)", "COUNT(path)", "CAPTION(path)" in any letter case give their kind and the path
// inside; anything else is a value with its value list applied.
std::pair<int, QString> KindOf(const QString& reference) {
    static const std::pair<const char*, int> kAggregates[] = {
        {"CAPTION(", rdtDataCaption}, {"SUM(", rdtDataSum}, {"COUNT(", rdtDataCount}};
    for (const auto& [prefix, kind] : kAggregates) {
        const QLatin1String word(prefix);
        if (reference.startsWith(word, Qt::CaseInsensitive) && reference.endsWith(u')')) {
            return {kind, reference.mid(word.size(), reference.size() - word.size() - 1)};
        }
    }
    return {rdtDataListMask + rdtDataValue, reference};
}

QString ValueText(const QVariant& value) {
    const FormatSettings& settings = UserFormatSettings();
    switch (VarTypeOf(value)) {
    case varSmallint:
    case varInteger:
        return QString::number(value.toLongLong());
    case varSingle:
    case varDouble:
    case varCurrency: {
        const double number =
            VarTypeOf(value) == varCurrency ? value.value<Currency>().ToDouble() : value.toDouble();
        QString text = QString::number(number, 'g', QLocale::FloatingPointShortest);
        text.replace(QLatin1Char('.'), settings.decimalSeparator);
        return text;
    }
    case varDate:
        return FormatDateTime(QStringLiteral("c"), DateTimeOfValue(value), settings);
    default:
        return value.toString();
    }
}

bool IsComputedNumber(const QVariant& value) {
    switch (VarTypeOf(value)) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
        return true;
    default:
        return false;
    }
}

} // namespace

TExpressParser::TExpressParser(const QString& expression, IRptPageInfoEnumerator* pageInfo,
                               int subRow, int row, const QString& defaultSource,
                               IRptSourcesValues* lookup)
    : pageInfo_(pageInfo), subRow_(subRow), row_(row), defaultSource_(defaultSource),
      lookup_(lookup) {
    QString errors;
    const VariableResolver resolver = [this](void*, const QString& name, int) {
        return Resolve(name);
    };
    const QVariant result = EvaluateExpression(expression, errors, 0, ExpressionOptions{}, resolver);
    value_ = IsComputedNumber(result) && !errors.isEmpty() ? QVariant(errors) : result;
}

std::optional<QString> TExpressParser::Resolve(const QString& reference) const {
    if (!lookup_) {
        return std::nullopt;
    }
    const qsizetype mark = reference.indexOf(u'?');
    const QString format = mark < 0 ? QString() : reference.mid(mark + 1);
    const auto [kind, path] = KindOf(mark < 0 ? reference : reference.left(mark));
    const QStringList parts = SplitFieldPath(path);
    QString source = path;
    if (!parts.isEmpty()) {
        source = parts.first().compare(defaultSource_, Qt::CaseInsensitive) == 0 ? defaultSource_
                                                                                  : parts.first();
    }
    const QVariant value =
        lookup_->GetValue(kind, source, path, format.isEmpty() ? rftNone : rftDefine, format,
                          row_, subRow_, pageInfo_);
    if (IsEmpty(value)) {
        return std::nullopt;
    }
    return ValueText(value);
}

} // namespace vevezo
