#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vevezo {

// A variable name made only of pieces "#" followed by a decimal code 0–255 ("#13#10") stands
// for the characters with those codes; anything else is not a character-code name.
std::optional<QString> CharacterCodesText(QStringView name);

} // namespace vevezo
