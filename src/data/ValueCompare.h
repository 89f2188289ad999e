#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace vevezo {

// Orders two values the way record-set filters and sorting do: null first, numbers by value,
// dates by time, booleans false first, text by letters without regard to case. Values of
// different kinds compare by their text. Answers -1, 0 or 1.
int CompareValues(const QVariant& a, const QVariant& b);

// A text that is equal for values that compare equal (used to relate records by key).
QString ValueKey(const QVariant& value);

// The value as a number, or nothing when it is not one.
std::optional<double> NumberOf(const QVariant& value);

} // namespace vevezo
