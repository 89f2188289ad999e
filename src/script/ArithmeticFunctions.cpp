#include "script/ArithmeticFunctions.h"

#include <cmath>
#include <iterator>

namespace vevezo {
namespace {

struct FunctionName {
    const char16_t* name;
    ArithmeticFunction function;
};

constexpr FunctionName kFunctionNames[] = {
    {u"ABS", ArithmeticFunction::Abs}, {u"ATAN", ArithmeticFunction::Atan},
    {u"COS", ArithmeticFunction::Cos}, {u"EXP", ArithmeticFunction::Exp},
    {u"LN", ArithmeticFunction::Ln},   {u"ROUND", ArithmeticFunction::Round},
    {u"SIN", ArithmeticFunction::Sin}, {u"SQRT", ArithmeticFunction::Sqrt},
    {u"SQR", ArithmeticFunction::Sqr}, {u"TRUNC", ArithmeticFunction::Trunc},
};

// Every range test is written so that a NaN argument falls outside it.
bool Within(long double x, long double low, long double high) {
    return x >= low && x <= high;
}

} // namespace

std::optional<ArithmeticFunction> FindArithmeticFunction(QStringView upperName) {
    for (const auto& entry : kFunctionNames) {
        if (upperName == QStringView(entry.name)) {
            return entry.function;
        }
    }
    return std::nullopt;
}

std::optional<long double> ApplyArithmeticFunction(ArithmeticFunction function, long double x) {
    switch (function) {
    case ArithmeticFunction::Abs:
        return std::fabs(x);
    case ArithmeticFunction::Atan:
        return std::atan(x);
    case ArithmeticFunction::Cos:
        return Within(x, -9e18L, 9e18L) ? std::optional(std::cos(x)) : std::nullopt;
    case ArithmeticFunction::Sin:
        return Within(x, -9e18L, 9e18L) ? std::optional(std::sin(x)) : std::nullopt;
    case ArithmeticFunction::Exp:
        return Within(x, -11356.0L, 11356.0L) ? std::optional(std::exp(x)) : std::nullopt;
    case ArithmeticFunction::Ln:
        return x > 0 ? std::optional(std::log(x)) : std::nullopt;
    case ArithmeticFunction::Round:
        // The default floating-point rounding mode sends halves to the even neighbour.
        return Within(x, -1e9L, 1e9L) ? std::optional(std::nearbyint(x)) : std::nullopt;
    case ArithmeticFunction::Sqrt:
        return x >= 0 ? std::optional(std::sqrt(x)) : std::nullopt;
    case ArithmeticFunction::Sqr:
        return Within(x, -1e2466L, 1e2466L) ? std::optional(x * x) : std::nullopt;
    case ArithmeticFunction::Trunc:
        return Within(x, -1e9L, 1e9L) ? std::optional(std::trunc(x)) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace vevezo
