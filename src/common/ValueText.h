#pragma once

#include <QString>
#include <QVariant>

namespace vevezo {

// The text a value shows when an element draws it: nothing for empty and null, the digits of
// decimals and money amounts, "True" or "False" for booleans, Qt's text for anything else.
QString ValueText(const QVariant& value);

} // namespace vevezo
