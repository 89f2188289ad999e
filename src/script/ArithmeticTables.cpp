#include "script/ArithmeticTables.h"

#include "common/Messages.h"
#include "script/ArithmeticParser.h"

#include <array>
#include <initializer_list>

namespace vevezo {
namespace {

using ActionRow = std::array<ParserAction, kTokenKindCount>;

struct Move {
    TokenKind token;
    ParserAction action;
};

constexpr ParserAction Shift(int state) {
    return {ActionKind::Shift, state};
}
constexpr ParserAction Reduce(int rule) {
    return {ActionKind::Reduce, rule};
}
constexpr ParserAction Fail(int error) {
    return {ActionKind::SyntaxError, error};
}
constexpr ParserAction kAccept{ActionKind::Accept, 0};
constexpr ParserAction kReject{ActionKind::Reject, 0};
constexpr ParserAction kBadState{ActionKind::BadState, 0};

constexpr ActionRow Row(ParserAction otherwise, std::initializer_list<Move> moves) {
    ActionRow row{};
    row.fill(otherwise);
    for (const Move& move : moves) {
        row[static_cast<int>(move.token)] = move.action;
    }
    return row;
}

using enum TokenKind;

// Where an operand is expected.
constexpr ActionRow kOperand = Row(Fail(kOperandExpected), {{Number, Shift(10)},
                                                            {Function, Shift(11)},
                                                            {Minus, Shift(5)},
                                                            {Open, Shift(9)},
                                                            {Reject, kReject}});
// After a unary minus: no second minus.
constexpr ActionRow kSigned =
    Row(Fail(kOperandExpected), {{Number, Shift(10)}, {Function, Shift(11)}, {Open, Shift(9)}});
constexpr ActionRow kExpression =
    Row(Fail(kOperatorExpected), {{End, kAccept}, {Plus, Shift(12)}, {Minus, Shift(13)}});
constexpr ActionRow kTerm = Row(Reduce(3), {{Times, Shift(14)}, {Divide, Shift(15)}});
constexpr ActionRow kFactor = Row(Reduce(6), {{Mod, Shift(40)}});
constexpr ActionRow kPowerBase = Row(Reduce(8), {{Power, Shift(16)}});
constexpr ActionRow kFunctionName = Row(Fail(kOpenAfterFunction), {{Open, Shift(20)}});
constexpr ActionRow kInParentheses =
    Row(Fail(kCloseExpected), {{Plus, Shift(12)}, {Minus, Shift(13)}, {Close, Shift(27)}});
constexpr ActionRow kInFunction =
    Row(Fail(kCloseExpected), {{Plus, Shift(12)}, {Minus, Shift(13)}, {Close, Shift(29)}});
constexpr ActionRow kSum = Row(Reduce(1), {{Times, Shift(14)}, {Divide, Shift(15)}});
constexpr ActionRow kDifference = Row(Reduce(2), {{Times, Shift(14)}, {Divide, Shift(15)}});
// After T "*" F and T "/" F a following "MOD" still binds to F: MOD ranks above the product.
constexpr ActionRow kProduct = Row(Reduce(4), {{Mod, Shift(40)}});
constexpr ActionRow kQuotient = Row(Reduce(5), {{Mod, Shift(40)}});
constexpr ActionRow kBadTokenState = Row(kBadState, {});

constexpr ActionRow Always(int rule) {
    return Row(Reduce(rule), {});
}

struct StateActions {
    int state;
    ActionRow row;
};

constexpr StateActions kActions[] = {
    {0, kOperand},        {9, kOperand},       {12, kOperand},    {13, kOperand},
    {14, kOperand},       {15, kOperand},      {16, kOperand},    {20, kOperand},
    {40, kOperand},       {1, kExpression},    {2, kTerm},        {3, kFactor},
    {4, kPowerBase},      {5, kSigned},        {6, Always(10)},   {8, Always(12)},
    {10, Always(15)},     {11, kFunctionName}, {17, Always(9)},   {18, kBadTokenState},
    {19, kInParentheses}, {28, kInFunction},   {21, kSum},        {22, kDifference},
    {23, kProduct},       {24, kQuotient},     {25, Always(7)},   {26, Always(11)},
    {27, Always(14)},     {29, Always(16)},    {80, Always(100)},
};

using enum Nonterminal;

constexpr GrammarRule kRules[] = {
    {1, E, 3},  {2, E, 3},         {3, E, 1},   {4, T, 3},  {5, T, 3},  {6, T, 1},
    {7, F, 3},  {8, F, 1},         {100, F, 3}, {9, S, 2},  {10, S, 1}, {11, W, 0, false},
    {12, W, 1}, {13, U, 0, false}, {14, U, 3},  {15, U, 1}, {16, U, 4},
};

constexpr int kNone = -1;

struct GotoRow {
    int uncovered;
    std::array<int, 6> next; // indexed by Nonterminal: E T F S W U
};

constexpr GotoRow kGoto[] = {
    {0, {1, 2, 3, 4, 6, 8}},           {9, {19, 2, 3, 4, 6, 8}},
    {20, {28, 2, 3, 4, 6, 8}},         {12, {kNone, 21, 3, 4, 6, 8}},
    {13, {kNone, 22, 3, 4, 6, 8}},     {14, {kNone, kNone, 23, 4, 6, 8}},
    {15, {kNone, kNone, 24, 4, 6, 8}}, {16, {kNone, kNone, 25, 4, 6, 8}},
    {40, {kNone, kNone, 80, 4, 6, 8}}, {5, {kNone, kNone, kNone, kNone, 17, 8}},
};

} // namespace

ParserAction ActionFor(int state, TokenKind token) {
    for (const auto& entry : kActions) {
        if (entry.state == state) {
            return entry.row[static_cast<int>(token)];
        }
    }
    return kBadState;
}

GrammarRule RuleFor(int number) {
    for (const auto& rule : kRules) {
        if (rule.number == number) {
            return rule;
        }
    }
    throw ParserTableError(QString::fromUtf8(msg::InvalidReduction));
}

int GotoState(int uncovered, Nonterminal left) {
    for (const auto& row : kGoto) {
        if (row.uncovered == uncovered) {
            return row.next[static_cast<int>(left)];
        }
    }
    return kNone;
}

} // namespace vevezo
