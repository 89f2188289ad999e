// Arbitrary text as an expression, in every mode: evaluation never crashes, hangs or raises,
// text-only mode always answers text, and a number it answers is finite.
#include "script/ArithmeticParser.h"
#include "script/ExpressionEvaluator.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// "n…" answers what follows the "n" (a number or not), "t…" a Chinese text, "big" a number
// beyond the double range; every other name is unknown.
std::optional<QString> Resolve(void*, const QString& name, int) {
    if (name.startsWith(u'n')) {
        return name.mid(1);
    }
    if (name.startsWith(u't')) {
        return QStringLiteral("先生");
    }
    if (name == u"big") {
        return QStringLiteral("1e4000");
    }
    return std::nullopt;
}

void Check(const QString& text, const vevezo::ExpressionOptions& options) {
    QString errors;
    const QVariant result = vevezo::EvaluateExpression(text, errors, 0, options, Resolve);
    if (text.isEmpty()) {
        if (result.isValid()) {
            std::abort();
        }
        return;
    }
    if (result.typeId() == QMetaType::Double) {
        if (options.textOnly || !std::isfinite(result.toDouble())) {
            std::abort();
        }
    } else if (result.typeId() != QMetaType::QString) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(text, {});
    Check(text, {.textOnly = true});
    Check(text, {.keepUnresolved = true, .squareBrackets = true});
    Check(text, {.keepUnresolved = true, .squareBrackets = true, .textOnly = true});
    vevezo::EvaluateArithmetic(text);
    return 0;
}
