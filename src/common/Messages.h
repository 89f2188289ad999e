#pragma once

// Texts shown to users, in one table so that wording stays consistent.
namespace vevezo::msg {

inline constexpr const char* NotAnInteger = "\"%1\" 不是有效的整数值。";
inline constexpr const char* NotANumber = "\"%1\" 不是有效的数值。";
inline constexpr const char* NotAColour = "\"%1\" 不是有效的颜色值。";
inline constexpr const char* NotASetMember = "\"%1\" 不是有效的集合元素。";

} // namespace vevezo::msg
