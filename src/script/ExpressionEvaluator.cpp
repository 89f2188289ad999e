#include "script/ExpressionEvaluator.h"

#include "common/Messages.h"
#include "script/ArithmeticParser.h"
#include "script/MessageLines.h"
#include "script/VariableSubstitution.h"

#include <cfloat>
#include <cmath>

namespace vevezo {
namespace {

// The arithmetic runs in extended precision; a result beyond the range of a double (1e400)
// cannot be given as a double and counts as a failed evaluation.
std::optional<double> ToFiniteDouble(long double value) {
    if (!(std::fabs(value) <= DBL_MAX)) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

} // namespace

QVariant EvaluateExpression(const QString& text, QString& errors, int userValue,
                            const ExpressionOptions& options, const VariableResolver& resolver,
                            void* owner) {
    if (text.isEmpty()) {
        return {};
    }
    const SubstitutedText substituted =
        SubstituteVariables(text, errors, userValue, options, resolver, owner);
    if (options.textOnly || !substituted.numbersOnly || substituted.text.isEmpty()) {
        return substituted.text;
    }
    const ArithmeticOutcome outcome = EvaluateArithmetic(substituted.text);
    if (outcome.ok) {
        if (const auto value = ToFiniteDouble(outcome.value)) {
            return *value;
        }
    }
    AppendMessageLine(errors, QString::fromUtf8(msg::ExpressionFault).arg(substituted.text));
    return substituted.text;
}

} // namespace vevezo
