#pragma once

#include "script/ExpressionEvaluator.h"

#include <QString>

namespace vevezo {

struct SubstitutedText {
    QString text;
    // Every value substituted was a decimal number (only tracked when not text-only).
    bool numbersOnly = true;
};

// The substitution pass of EvaluateExpression: one left-to-right pass over the characters that
// replaces each bracketed variable by its value text, appending messages to `errors`.
SubstitutedText SubstituteVariables(const QString& text, QString& errors, int userValue,
                                    const ExpressionOptions& options,
                                    const VariableResolver& resolver, void* owner);

} // namespace vevezo
