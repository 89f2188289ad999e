#pragma once

#include "script/ArithmeticFunctions.h"

#include <QStringView>
#include <cstdint>

namespace vevezo {

// Token codes of the arithmetic grammar; the parser's action table is indexed by them.
enum class TokenKind : std::uint8_t {
    Plus = 0,
    Minus = 1,
    Times = 2,
    Divide = 3,
    Power = 4,
    Open = 5,
    Close = 6,
    Number = 7,
    Function = 8,
    End = 9,
    Bad = 10,
    Reject = 11, // "!": a rejected operand
    Mod = 12,
};
inline constexpr int kTokenKindCount = 13;

struct Token {
    TokenKind kind = TokenKind::End;
    long double number = 0;                                // a Number's value
    ArithmeticFunction function = ArithmeticFunction::Abs; // a Function's name
    bool malformed = false; // a Number whose text does not convert as a whole
};

// Splits an arithmetic text into tokens, left to right. Blanks (character 32 only) separate
// tokens; the end of the text is the End token, as often as it is asked for.
class ArithmeticLexer {
public:
    explicit ArithmeticLexer(QStringView text) : text_(text) {}
    Token Next();

private:
    Token ScanNumber();
    Token ScanWord();

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace vevezo
