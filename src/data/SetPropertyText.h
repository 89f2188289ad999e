#pragma once

#include <QObject>
#include <QString>

namespace vevezo {

// A set-valued property of an object (a flags or enumeration property, or an integer holding
// bits) as the list of its set bits, in "[" "]" when asked; empty text on any error (no such
// property, not readable, not a set).
QString SetToText(const QObject* object, const char* property, bool brackets);

// Reads such a list (see SetFromText of bits) and stores it into the property. Throws
// ConvertError for a token that is not a number and for a property that is missing, not
// writable or not a set.
void SetFromText(QObject* object, const char* property, const QString& text);

} // namespace vevezo
