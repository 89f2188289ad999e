#pragma once

#include "script/ArithmeticLexer.h"

#include <cstdint>

namespace vevezo {

// The tables that drive the arithmetic parser: the action of every state for every token, the
// grammar rules and the goto table.

enum class ActionKind : std::uint8_t {
    Shift,       // push the token with state `argument`
    Reduce,      // apply rule `argument`
    Accept,      // the text is a complete expression
    SyntaxError, // stop with error number `argument`
    Reject,      // "!" where an operand belongs: stop with a calculation error
    BadState,    // a state the tables do not cover
};

struct ParserAction {
    ActionKind kind = ActionKind::BadState;
    int argument = 0;
};

ParserAction ActionFor(int state, TokenKind token);

// Left sides of the grammar: expression, term, factor, signed, operand word, unit.
enum class Nonterminal : std::uint8_t { E, T, F, S, W, U };

struct GrammarRule {
    int number = 0;
    Nonterminal left = Nonterminal::E;
    int length = 0;       // entries popped
    bool produced = true; // false for the range and cell-reference forms, never produced
};

// The rule numbered `number`; throws ParserTableError for a number the grammar lacks.
GrammarRule RuleFor(int number);

// The state pushed for `left` when `uncovered` is on top after popping; -1 when none.
int GotoState(int uncovered, Nonterminal left);

} // namespace vevezo
