#include "script/ExpressionEvaluator.h"

#include "TestSupport.h"
#include "script/ArithmeticParser.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// Answers a fixed set of names and records every name it was asked for.
class FakeSource {
public:
    VariableResolver Resolver() {
        return [this](void*, const QString& name, int) -> std::optional<QString> {
            asked.append(name);
            const auto it = values.constFind(name);
            return it == values.cend() ? std::nullopt : std::optional(*it);
        };
    }

    QHash<QString, QString> values{
        {QStringLiteral("A"), QStringLiteral("1")},
        {QStringLiteral("B"), QStringLiteral("2")},
        {QStringLiteral("a"), QStringLiteral("2")},
        {QStringLiteral("b"), QStringLiteral("3")},
        {QStringLiteral("Neg"), QStringLiteral("-3")},
        {QStringLiteral("Big"), QStringLiteral("1e300")},
        {QStringLiteral("X"), QStringLiteral("x")},
        {QStringLiteral("Or}ders"), QStringLiteral("5")},
        {QStringLiteral("Orders.Name"), QStringLiteral("张三")},
    };
    QStringList asked;
};

struct Case {
    const char* text;
    QVariant result;
    const char* errors;
};

QVariant Text(const char* text) {
    return QString::fromUtf8(text);
}

void ExpectCases(const ExpressionOptions& options, const std::initializer_list<Case>& cases) {
    for (const auto& c : cases) {
        FakeSource source;
        QString errors;
        const QVariant result =
            EvaluateExpression(QString::fromUtf8(c.text), errors, 0, options, source.Resolver());
        EXPECT_EQ(result.typeId(), c.result.typeId()) << c.text;
        EXPECT_EQ(result, c.result) << c.text;
        EXPECT_EQ(errors, QString::fromUtf8(c.errors)) << c.text;
    }
}

} // namespace

TEST(Expression, NumbersOnlySubstitutionIsEvaluated) {
    ExpectCases({}, {
                        {"{A}+{B}", 3.0, ""},
                        {"{a}*{b}", 6.0, ""},
                        {"1+2*3", 7.0, ""},
                        {"{a}*{Neg}", -6.0, ""},
                        {"{a}-{Neg}", 5.0, ""},
                        {"({A}+{B})^{B}", 9.0, ""},
                        {"{#49}{#50}", 12.0, ""},
                    });
}

TEST(Expression, TextValuesAreNotEvaluated) {
    ExpectCases({}, {
                        {"{A}+{X}", Text("1+x"), ""},
                        {"{Orders.Name} 先生", Text("张三 先生"), ""},
                        {"{#65#66}", Text("AB"), ""},
                        {"{#13#10}", Text("\r\n"), ""},
                    });
}

TEST(Expression, FailedArithmeticGivesTheTextAndAMessage) {
    ExpectCases({},
                {
                    {"10/0", Text("10/0"), "\"10/0\" 错误。"},
                    {"-2^2", Text("-2^2"), "\"-2^2\" 错误。"},
                    {"   ", Text("   "), "\"   \" 错误。"},
                    {"((((((((((((((((1))))))))))))))))", Text("((((((((((((((((1))))))))))))))))"),
                     "\"((((((((((((((((1))))))))))))))))\" 错误。"},
                    // 1e600 has no double.
                    {"{Big}*{Big}", Text("1e300*1e300"), "\"1e300*1e300\" 错误。"},
                });
}

TEST(Expression, UnresolvedVariablesAreDroppedOrKept) {
    ExpectCases({}, {{"{A}+{Missing}", Text("1+"), "变量\"Missing\"未能取到值。\r\n\"1+\" 错误。"},
                     {"{Missing}", Text(""), "变量\"Missing\"未能取到值。"}});
    ExpectCases({.keepUnresolved = true},
                {{"{A}+{Missing}", Text("1+Missing"),
                  "变量\"Missing\"未能取到值。\r\n\"1+Missing\" 错误。"},
                 {"{Missing} 先生", Text("Missing 先生"),
                  "变量\"Missing\"未能取到值。\r\n\"Missing 先生\" 错误。"}});
}

TEST(Expression, MisplacedBrackets) {
    ExpectCases({}, {
                        {"{A", Text(""), "\"{}\" 错误。"},
                        {"A}", Text("A"), "\"}\" 错误。\r\n\"A\" 错误。"},
                        {"{A{B}", Text(""), "\"{\" 错误。\r\n变量\"AB\"未能取到值。"},
                        {"{}", Text(""), ""},
                    });
}

TEST(Expression, EscapedBracketsAreOrdinaryCharacters) {
    ExpectCases({}, {
                        // Nothing was substituted, so the literal text is evaluated, and fails.
                        {"\\{A\\}", Text("{A}"), "\"{A}\" 错误。"},
                        {"{Or\\}ders}", 5.0, ""},
                        {"1+{Or\\}ders}", 6.0, ""},
                        // A backslash does not escape a backslash: the second one escapes the "{".
                        {"\\\\{A}", Text("\\{A"), "\"}\" 错误。\r\n\"\\{A\" 错误。"},
                    });
    ExpectCases({.textOnly = true}, {{"\\{A\\} {A}", Text("{A} 1"), ""}});
}

TEST(Expression, TextOnlySubstitutesWithoutEvaluatingOrBracketErrors) {
    ExpectCases({.textOnly = true}, {
                                        {"{A}+{B}", Text("1+2"), ""},
                                        {"{A}}", Text("1}"), ""},
                                        {"x}{A}", Text("x}1"), ""},
                                        {"{A{B}", Text("{A2"), ""},
                                        {"{A", Text("{A"), ""},
                                        {"{Missing}!", Text("!"), "变量\"Missing\"未能取到值。"},
                                        {"   ", Text("   "), ""},
                                    });
}

TEST(Expression, SquareBracketsMode) {
    ExpectCases({.squareBrackets = true}, {
                                              {"[A]+[B]", 3.0, ""},
                                              {"{A}+[B]", Text("{A}+2"), "\"{A}+2\" 错误。"},
                                              {"[A", Text(""), "\"[]\" 错误。"},
                                              {"\\[A\\]", Text("[A]"), "\"[A]\" 错误。"},
                                          });
}

TEST(Expression, EmptyTextGivesAnEmptyResult) {
    FakeSource source;
    QString errors;
    EXPECT_FALSE(EvaluateExpression(QString(), errors, 0, {}, source.Resolver()).isValid());
    EXPECT_TRUE(errors.isEmpty());
}

TEST(Expression, CharacterCodesDoNotAskTheResolver) {
    FakeSource source;
    QString errors;
    EXPECT_EQ(EvaluateExpression(QStringLiteral("{#65#66}{#300}{#}{#65x}{A}"), errors, 0, {},
                                 source.Resolver()),
              QVariant(QStringLiteral("AB1")));
    EXPECT_EQ(source.asked, QStringList({QStringLiteral("#300"), QStringLiteral("#"),
                                         QStringLiteral("#65x"), QStringLiteral("A")}));
    EXPECT_EQ(errors, QStringLiteral("变量\"#300\"未能取到值。\r\n变量\"#\"未能取到值。\r\n"
                                     "变量\"#65x\"未能取到值。"));
}

TEST(Expression, OwnerAndUserValueReachTheResolver) {
    int owner = 0;
    QList<std::pair<void*, int>> calls;
    const VariableResolver resolver = [&](void* o, const QString& name, int user) {
        calls.append({o, user});
        return std::optional(name.size() == 1 ? QStringLiteral("4") : QStringLiteral("y"));
    };
    QString errors = QStringLiteral("earlier");
    EXPECT_EQ(EvaluateExpression(QStringLiteral("{p}*{q}"), errors, 42, {}, resolver, &owner),
              QVariant(16.0));
    EXPECT_EQ(calls, (QList<std::pair<void*, int>>{{&owner, 42}, {&owner, 42}}));
    EXPECT_EQ(errors, QStringLiteral("earlier"));

    // Messages go after what the caller already collected, one per line.
    EvaluateExpression(QStringLiteral("{p}+"), errors, 42, {}, resolver, &owner);
    EXPECT_EQ(errors, QStringLiteral("earlier\r\n\"4+\" 错误。"));
}

TEST(Expression, WithoutAResolverEveryNameIsUnresolved) {
    QString errors;
    EXPECT_EQ(EvaluateExpression(QStringLiteral("{#50}*{A}"), errors, 0, {}, nullptr),
              QVariant(QStringLiteral("2*")));
    EXPECT_EQ(errors, QStringLiteral("变量\"A\"未能取到值。\r\n\"2*\" 错误。"));
}

TEST(Expression, FailedFormulaErrorNumberIsFoundOnItsText) {
    FakeSource source;
    QString errors;
    const QVariant result =
        EvaluateExpression(QStringLiteral("{A}+{Missing}"), errors, 0, {}, source.Resolver());
    EXPECT_EQ(EvaluateArithmetic(result.toString()).syntaxError, kOperandExpected);
}
