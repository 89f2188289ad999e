#pragma once

#include <optional>

namespace vevezo {

// The binary operators whose calculation rules can fail; nothing means a calculation error.

// Divisor 0 fails.
std::optional<long double> Quotient(long double dividend, long double divisor);

// e^(ln base × exponent); the base must be positive and the logarithm of the result within
// the extended range (-11356 … 11356), so 0^2 and (-2)^2 fail.
std::optional<long double> Power(long double base, long double exponent);

// Both operands rounded to whole numbers (halves to even), then the remainder of the 64-bit
// division, with the dividend's sign. A divisor rounding to 0 fails, and so does an operand
// that is not a 64-bit whole number once rounded.
std::optional<long double> Modulo(long double dividend, long double divisor);

} // namespace vevezo
