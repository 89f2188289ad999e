#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace vevezo {

// The function library of arithmetic expressions.
enum class ArithmeticFunction : std::uint8_t {
    Abs,
    Atan,
    Cos,
    Exp,
    Ln,
    Round,
    Sin,
    Sqrt,
    Sqr,
    Trunc
};

// The function an upper-case word names ("SQRT" and "SQR" are different words).
std::optional<ArithmeticFunction> FindArithmeticFunction(QStringView upperName);

// The function of x, or nothing when x lies outside the function's range (a calculation error).
std::optional<long double> ApplyArithmeticFunction(ArithmeticFunction function, long double x);

} // namespace vevezo
