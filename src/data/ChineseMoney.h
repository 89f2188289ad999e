#pragma once

#include <QString>

namespace vevezo {

// The amount in upper-case Chinese money text, rounded to fen halves away from zero:
// 1234.5 -> 壹仟贰佰叁拾肆圆伍角, 1005.07 -> 壹仟零伍圆零柒分, -8 -> 负捌圆整. An amount that
// rounds to zero gives 零. 万 and 亿 are written only over digits that are not all zero (100000000
// -> 壹亿圆整). Throws ConvertError for an amount that is not a finite number or whose integer part
// has more than 13 digits (the units end at 万亿).
QString ChineseMoney(double amount);

} // namespace vevezo
