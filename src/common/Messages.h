#pragma once

// Texts shown to users, in one table so that wording stays consistent.
namespace vevezo::msg {

inline constexpr const char* NotAnInteger = "\"%1\" 不是有效的整数值。";
inline constexpr const char* NotANumber = "\"%1\" 不是有效的数值。";
inline constexpr const char* NotAColour = "\"%1\" 不是有效的颜色值。";
inline constexpr const char* NotASetMember = "\"%1\" 不是有效的集合元素。";
inline constexpr const char* BadFormatText = "格式字符串 \"%1\" 无效。";
inline constexpr const char* NotADateTime = "无效的日期时间值。";
inline constexpr const char* MoneyOutOfRange = "金额 %1 超出了大写金额的表示范围。";
inline constexpr const char* NotASetProperty = "\"%1\" 不是可写的集合属性。";

} // namespace vevezo::msg
