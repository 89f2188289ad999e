#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

namespace vevezo {

// Resolves one variable of an expression: the value text, or nothing when the name is unknown.
// `owner` and `userValue` are those given to EvaluateExpression, passed through unchanged.
using VariableResolver =
    std::function<std::optional<QString>(void* owner, const QString& name, int userValue)>;

struct ExpressionOptions {
    bool keepUnresolved = false; // an unresolved variable keeps its name in the text
    bool squareBrackets = false; // variables are written "[name]" instead of "{name}"
    bool textOnly = false;       // substitute only: never evaluate, never report brackets
};

// Replaces every variable of `text` by its value text and, when every substituted value was a
// number, evaluates the result as arithmetic.
//
// Returns a double when the arithmetic succeeds, otherwise the substituted text as a QString,
// and an empty (invalid) QVariant for an empty text. Problems never throw: each appends one
// message to `errors`, lines joined with CR LF — a misplaced or unclosed bracket and a formula
// that does not evaluate give "\"…\" 错误。", a variable the resolver does not know gives
// "变量\"…\"未能取到值。". The syntax error number of a failed formula is not part of the
// messages; EvaluateArithmetic on the returned text tells it.
//
// A "\" before a bracket makes it an ordinary character (the "\" is dropped). A name made of
// "#" and decimal codes 0–255 ({#13#10}) yields those characters without asking the resolver.
QVariant EvaluateExpression(const QString& text, QString& errors, int userValue,
                            const ExpressionOptions& options, const VariableResolver& resolver,
                            void* owner = nullptr);

} // namespace vevezo
