#pragma once

// Texts shown to users, in one table so that wording stays consistent.
namespace vevezo::msg {

inline constexpr const char* NotAnInteger = "\"%1\" 不是有效的整数值。";
inline constexpr const char* NotANumber = "\"%1\" 不是有效的数值。";
inline constexpr const char* NotAColour = "\"%1\" 不是有效的颜色值。";
inline constexpr const char* NotASetMember = "\"%1\" 不是有效的集合元素。";

// Expressions: a misplaced bracket, an unclosed variable or a formula that does not evaluate.
inline constexpr const char* ExpressionFault = "\"%1\" 错误。";
inline constexpr const char* VariableUnresolved = "变量\"%1\"未能取到值。";
// The arithmetic parser's own diagnostic lines.
inline constexpr const char* SyntaxErrorNumber = "错误号%1。";
inline constexpr const char* CalculationRuleBroken = "违反计算规则。";
// Parser table faults; no input reaches them.
inline constexpr const char* InvalidReduction = "Invalid reduction";
inline constexpr const char* BadTokenState = "Bad token state";

} // namespace vevezo::msg
