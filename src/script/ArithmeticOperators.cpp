#include "script/ArithmeticOperators.h"

#include <cmath>
#include <cstdint>

namespace vevezo {
namespace {

constexpr long double kExtendedLogLimit = 11356.0L;

// Rounded to a whole number, halves to even, when it fits 64 bits. 2^63 itself does not.
std::optional<std::int64_t> RoundToInt64(long double x) {
    const long double whole = std::nearbyint(x);
    if (!(whole >= -0x1p63L && whole < 0x1p63L)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(whole);
}

} // namespace

std::optional<long double> Quotient(long double dividend, long double divisor) {
    if (divisor == 0) {
        return std::nullopt;
    }
    return dividend / divisor;
}

std::optional<long double> Power(long double base, long double exponent) {
    if (!(base > 0)) {
        return std::nullopt;
    }
    const long double logarithm = std::log(base) * exponent;
    if (!(logarithm >= -kExtendedLogLimit && logarithm <= kExtendedLogLimit)) {
        return std::nullopt;
    }
    return std::exp(logarithm);
}

std::optional<long double> Modulo(long double dividend, long double divisor) {
    const auto a = RoundToInt64(dividend);
    const auto b = RoundToInt64(divisor);
    if (!a || !b || *b == 0) {
        return std::nullopt;
    }
    // The smallest 64-bit value divided by -1 overflows; its remainder is 0 all the same.
    if (*b == -1) {
        return 0.0L;
    }
    return static_cast<long double>(*a % *b);
}

} // namespace vevezo
