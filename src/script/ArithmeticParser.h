#pragma once

#include "common/Error.h"

#include <QString>
#include <QStringView>

namespace vevezo {

// Syntax error numbers of the arithmetic parser.
enum ArithmeticSyntaxError : int {
    kNoSyntaxError = 0,
    kStackOverflow = 1,     // more than 15 stack entries
    kOperandExpected = 3,   // number, function, "-" or "(" expected
    kOperatorExpected = 4,  // operator or end expected
    kOpenAfterFunction = 5, // "(" expected after a function name
    kCloseExpected = 6,     // ")" or operator expected
    kMalformedNumber = 7,   // a number text that does not convert
};

// What parsing one arithmetic text came to.
struct ArithmeticOutcome {
    bool ok = false;
    long double value = 0;            // the result when ok
    int syntaxError = kNoSyntaxError; // the first syntax error, 0 when there was none
    bool calculationError = false;    // a calculation rule was broken ("!" counts as one)
    // "错误号N。" for a syntax error and "违反计算规则。" for any failure, one per line; empty on
    // success. It only tells that the text failed and why; callers report their own message.
    QString diagnostic;
};

// A state or reduction the parser tables do not cover; no input reaches one.
class ParserTableError : public Error {
public:
    using Error::Error;
};

// Parses and evaluates an arithmetic text in one pass with the table-driven shift-reduce
// parser: "+" "-" lowest, then "*" "/", then "MOD", then "^" (right-associative), then a single
// unary minus, numbers, "(" ")" and the function library. Parsing stops at acceptance, at the
// first syntax error or at "!"; a calculation error is remembered and parsing goes on.
ArithmeticOutcome EvaluateArithmetic(QStringView text);

} // namespace vevezo
