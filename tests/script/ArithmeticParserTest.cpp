#include "script/ArithmeticParser.h"

#include "TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace vevezo;

namespace {

struct ValueCase {
    const char* text;
    double value;
};

void ExpectValues(const std::initializer_list<ValueCase>& cases) {
    for (const auto& c : cases) {
        const ArithmeticOutcome outcome = EvaluateArithmetic(QString::fromUtf8(c.text));
        EXPECT_TRUE(outcome.ok) << c.text << ": " << outcome.diagnostic.toStdString();
        EXPECT_DOUBLE_EQ(static_cast<double>(outcome.value), c.value) << c.text;
        EXPECT_EQ(outcome.syntaxError, kNoSyntaxError) << c.text;
        EXPECT_TRUE(outcome.diagnostic.isEmpty()) << c.text;
    }
}

struct FailureCase {
    const char* text;
    int syntaxError;
    bool calculationError;
};

void ExpectFailures(const std::initializer_list<FailureCase>& cases) {
    for (const auto& c : cases) {
        const ArithmeticOutcome outcome = EvaluateArithmetic(QString::fromUtf8(c.text));
        EXPECT_FALSE(outcome.ok) << c.text;
        EXPECT_EQ(outcome.syntaxError, c.syntaxError) << c.text;
        EXPECT_EQ(outcome.calculationError, c.calculationError) << c.text;
    }
}

QString Nested(int depth) {
    return QString(depth, u'(') + QStringLiteral("1") + QString(depth, u')');
}

} // namespace

TEST(Arithmetic, PrecedenceAndAssociativity) {
    ExpectValues({
        {"1+2*3", 7},
        {"2*3+4*5", 26},
        {"(1+2)*3", 9},
        {"10-4-3", 3},
        {"100/10/5", 2},
        {"2^3^2", 512},
        {"2^3*2", 16},
        {"4 * 5 MOD 3", 8},
        {"5 MOD 3 * 4", 8},
        {"20 / 7 MOD 4", 20.0 / 3},
        {"17 MOD 5 MOD 3", 2},
        {"2^3 MOD 5", 3},
        {"1 + 5 MOD 3", 3},
        {"9 MOD 2^3", 1},
        {"  1 + 2 ", 3},
    });
}

TEST(Arithmetic, UnaryMinusBindsTighterThanPowerAndAppliesOnce) {
    ExpectValues({{"-3+5", 2},
                  {"2*-3", -6},
                  {"1--1", 2},
                  {"-(1+2)", -3},
                  {"2^-1", 0.5},
                  {"-abs(-4)", -4},
                  {"(-2)*(-2)", 4}});
    ExpectFailures({{"--1", kOperandExpected, false},
                    {"1---1", kOperandExpected, false},
                    {"-2^2", kNoSyntaxError, true},
                    {"- -1", kOperandExpected, false}});
}

TEST(Arithmetic, NumberForms) {
    ExpectValues({{"1.5e3", 1500},
                  {"1E+2", 100},
                  {"2e-1", 0.2},
                  {".5", 0.5},
                  {"5.", 5},
                  {"007", 7},
                  {"1e4000/1e3999", 10}});
    ExpectFailures({{"1.2.3", kMalformedNumber, false},
                    {"1e", kMalformedNumber, false},
                    {"1e+", kMalformedNumber, false},
                    {"..", kMalformedNumber, false},
                    {"1e5000", kMalformedNumber, false},
                    // The exponent takes at most four digits: "1e1234" and then "5".
                    {"1e12345", kOperatorExpected, false},
                    {".", kOperandExpected, false},
                    {"1,5", kOperatorExpected, false}});
}

TEST(Arithmetic, FunctionsInAnyLetterCase) {
    ExpectValues({
        {"abs(-2.5)", 2.5},
        {"ATAN(1)", std::numbers::pi / 4},
        {"cos(0)", 1},
        {"Sin(0)", 0},
        {"exp(1)", std::numbers::e},
        {"ln(1)", 0},
        {"round(2.5)", 2},
        {"ROUND(3.5)", 4},
        {"round(-2.5)", -2},
        {"round(2.6)", 3},
        {"sqrt(16)", 4},
        {"SqRt(2)", std::sqrt(2.0)},
        {"sqr(-3)", 9},
        {"trunc(-2.7)", -2},
        {"TRUNC(2.7)", 2},
        {"sqr(sqrt(9)+1)", 16},
        {"exp(ln(5))", 5},
        {"cos(atan(1)*4)", -1},
    });
}

TEST(Arithmetic, FunctionArgumentsOutsideTheirRange) {
    ExpectFailures({
        {"sqrt(-1)", kNoSyntaxError, true},
        {"ln(0)", kNoSyntaxError, true},
        {"ln(-1)", kNoSyntaxError, true},
        {"exp(11357)", kNoSyntaxError, true},
        {"exp(-11357)", kNoSyntaxError, true},
        {"round(1e10)", kNoSyntaxError, true},
        {"trunc(-2e9)", kNoSyntaxError, true},
        {"sin(1e19)", kNoSyntaxError, true},
        {"cos(-1e19)", kNoSyntaxError, true},
        {"sqr(1e2467)", kNoSyntaxError, true},
    });
    ExpectValues({{"round(1e9)", 1e9}, {"trunc(-1e9)", -1e9}, {"sin(9e18)", std::sin(9e18)}});
}

TEST(Arithmetic, ModuloRoundsOperandsHalvesToEven) {
    ExpectValues({{"7 MOD 3", 1},
                  {"-7 MOD 3", -1},
                  {"7 mod -3", 1},
                  {"2.5 MOD 2", 0},
                  {"3.5 Mod 3", 1},
                  {"7 MOD 2.5", 1},
                  {"7 MOD 1.5", 1},
                  {"-9223372036854775808 MOD -1", 0}});
    ExpectFailures({{"5 MOD 0", kNoSyntaxError, true},
                    {"5 MOD 0.4", kNoSyntaxError, true},
                    {"1e30 MOD 7", kNoSyntaxError, true},
                    {"MOD 3", kOperandExpected, false},
                    {"1 MOD", kOperandExpected, false}});
}

TEST(Arithmetic, PowerAndDivisionRules) {
    ExpectValues({{"2^10", 1024}, {"4^0.5", 2}, {"0.5^2", 0.25}, {"10^-2", 0.01}});
    ExpectFailures({{"0^2", kNoSyntaxError, true},
                    {"(-2)^2", kNoSyntaxError, true},
                    {"10^5000", kNoSyntaxError, true},
                    {"10/0", kNoSyntaxError, true},
                    {"1/(2-2)", kNoSyntaxError, true}});
}

TEST(Arithmetic, SyntaxErrorNumbers) {
    ExpectFailures({
        {"", kOperandExpected, false},
        {"   ", kOperandExpected, false},
        {"1+", kOperandExpected, false},
        {"1+x", kOperandExpected, false},
        {"abc", kOperandExpected, false},
        {"\t1", kOperandExpected, false},
        {"2^^3", kOperandExpected, false},
        {"1 2", kOperatorExpected, false},
        {"1)", kOperatorExpected, false},
        {"2 & 3", kOperatorExpected, false},
        {"1!", kOperatorExpected, false},
        {"sqrt 4", kOpenAfterFunction, false},
        {"sqrt", kOpenAfterFunction, false},
        {"sqrt4", kOperandExpected, false},
        {"(1", kCloseExpected, false},
        {"1*(2", kCloseExpected, false},
        {"abs(1", kCloseExpected, false},
        {"(1 2)", kCloseExpected, false},
    });
}

TEST(Arithmetic, RejectedOperandStopsWithACalculationError) {
    ExpectFailures(
        {{"!", kNoSyntaxError, true}, {"1+!", kNoSyntaxError, true}, {"(!", kNoSyntaxError, true}});
}

TEST(Arithmetic, CalculationErrorDoesNotStopTheParse) {
    // The parse goes on after 1/0 and still finds the syntax error at the end.
    ExpectFailures({{"1/0+", kOperandExpected, true}, {"1/0 2", kOperatorExpected, true}});
    ExpectFailures({{"1/0+1", kNoSyntaxError, true}});
}

TEST(Arithmetic, DiagnosticNamesTheErrorNumber) {
    EXPECT_EQ(EvaluateArithmetic(u"1 2").diagnostic, QStringLiteral("错误号4。\r\n违反计算规则。"));
    EXPECT_EQ(EvaluateArithmetic(u"10/0").diagnostic, QStringLiteral("违反计算规则。"));
}

TEST(Arithmetic, FifteenStackEntriesAtMost) {
    // The stack holds state 0, every open parenthesis, the inner expression and ")".
    for (int depth = 1; depth <= 12; ++depth) {
        const ArithmeticOutcome outcome = EvaluateArithmetic(Nested(depth));
        EXPECT_TRUE(outcome.ok) << depth;
        EXPECT_EQ(static_cast<double>(outcome.value), 1.0) << depth;
    }
    for (const int depth : {13, 16, 1000}) {
        const ArithmeticOutcome outcome = EvaluateArithmetic(Nested(depth));
        EXPECT_FALSE(outcome.ok) << depth;
        EXPECT_EQ(outcome.syntaxError, kStackOverflow) << depth;
    }
    // A long flat expression never grows the stack.
    QString sum = QStringLiteral("0");
    for (int i = 0; i < 1000; ++i) {
        sum += QStringLiteral("+1*2^1");
    }
    const ArithmeticOutcome flat = EvaluateArithmetic(sum);
    EXPECT_TRUE(flat.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(flat.value), 2000);
}
