#pragma once

// Texts shown to users, in one table so that wording stays consistent.
namespace vevezo::msg {

inline constexpr const char* NotAnInteger = "\"%1\" 不是有效的整数值。";
inline constexpr const char* NotANumber = "\"%1\" 不是有效的数值。";
inline constexpr const char* NotAColour = "\"%1\" 不是有效的颜色值。";
inline constexpr const char* NotASetMember = "\"%1\" 不是有效的集合元素。";
inline constexpr const char* BadPageRange = "页码范围 \"%1\" 有误。";
inline constexpr const char* CannotWrite = "不能写入文件 \"%1\"。";
inline constexpr const char* NotABoolean = "\"%1\" 不是有效的逻辑值。";
inline constexpr const char* BadFormatText = "格式字符串 \"%1\" 无效。";
inline constexpr const char* NotADateTime = "无效的日期时间值。";
inline constexpr const char* MoneyOutOfRange = "金额 %1 超出了大写金额的表示范围。";
inline constexpr const char* NotASetProperty = "\"%1\" 不是可写的集合属性。";

// Record sets, connections and shaping.
inline constexpr const char* BadFilter = "筛选条件 \"%1\" 有误。";
inline constexpr const char* BadSort = "排序条件 \"%1\" 有误。";
inline constexpr const char* NoCurrentRecord = "BOF 或 EOF 为真，或者当前记录已被删除。";
inline constexpr const char* RecordsetClosed = "记录集已关闭，不能进行此操作。";
inline constexpr const char* RecordsetOpen = "记录集已打开，不能再添加字段。";
inline constexpr const char* NoSuchField = "记录集中没有名为 \"%1\" 的字段。";
inline constexpr const char* BadBookmark = "书签无效。";
inline constexpr const char* ChapterNeedsRecords = "章节字段 \"%1\" 需要子记录集。";
inline constexpr const char* BadShape = "数据成形命令在第 %1 个字符处有误：%2";
inline constexpr const char* BadRelation = "数据成形命令的关联字段 \"%1\" 不存在。";
inline constexpr const char* CannotConnect = "无法连接数据库：%1";
inline constexpr const char* NoDatabase = "连接没有数据库，只能执行数据成形命令。";
inline constexpr const char* CommandFailed = "执行命令失败：%1";
inline constexpr const char* NoDriver = "没有安装数据库驱动 %1。";
inline constexpr const char* NoSuchFile = "文件 \"%1\" 不存在。";
inline constexpr const char* UnknownProvider = "不能识别的连接字符串：%1";

// Report set files and their compressed forms.
inline constexpr const char* NotSavedToFile = "未能保存到文件。";
inline constexpr const char* CannotReadFile = "不能读取文件 \"%1\"：%2";
inline constexpr const char* CompressFailed = "压缩报表内容失败。";
inline constexpr const char* CorruptCompressed = "压缩的报表内容不完整或已损坏。";
inline constexpr const char* InflatedTooLarge = "解压后的报表内容超过了 %1 字节的上限。";

// Expressions: a misplaced bracket, an unclosed variable or a formula that does not evaluate.
inline constexpr const char* ExpressionFault = "\"%1\" 错误。";
inline constexpr const char* VariableUnresolved = "变量\"%1\"未能取到值。";
// The arithmetic parser's own diagnostic lines.
inline constexpr const char* SyntaxErrorNumber = "错误号%1。";
inline constexpr const char* CalculationRuleBroken = "违反计算规则。";
// Parser table faults; no input reaches them.
inline constexpr const char* InvalidReduction = "Invalid reduction";
inline constexpr const char* BadTokenState = "Bad token state";

// Scripts: the engine for a language (its identifier is %1) could not be created.
inline constexpr const char* ScriptEngineMissing = "请检查脚本引擎的安装状态，使用%1服务异常。";
// Shown in place of an element's value when its script failed after asking for the value.
inline constexpr const char* ScriptErrorValue = "#Err# ";

} // namespace vevezo::msg
