#include "script/ArithmeticLexer.h"

#include "script/DecimalText.h"

#include <QString>

namespace vevezo {
namespace {

constexpr int kMaxExponentDigits = 4;

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

struct OperatorToken {
    char16_t character;
    TokenKind kind;
};

constexpr OperatorToken kOperators[] = {
    {u'+', TokenKind::Plus},   {u'-', TokenKind::Minus},  {u'*', TokenKind::Times},
    {u'/', TokenKind::Divide}, {u'^', TokenKind::Power},  {u'(', TokenKind::Open},
    {u')', TokenKind::Close},  {u'!', TokenKind::Reject},
};

TokenKind OperatorKind(QChar c) {
    for (const auto& op : kOperators) {
        if (c == op.character) {
            return op.kind;
        }
    }
    return TokenKind::Bad;
}

} // namespace

Token ArithmeticLexer::Next() {
    while (pos_ < text_.size() && text_[pos_] == u' ') {
        ++pos_;
    }
    if (pos_ == text_.size()) {
        return {};
    }
    const QChar c = text_[pos_];
    if (IsDecimalDigit(c) || c == u'.') {
        return ScanNumber();
    }
    if (IsAsciiLetter(c)) {
        return ScanWord();
    }
    ++pos_;
    return {.kind = OperatorKind(c)};
}

// Digits and dots, then an optional exponent of at most four digits. The text must convert as
// a whole; "1.2.3" or "1e" is a malformed number, a lone "." a bad token.
Token ArithmeticLexer::ScanNumber() {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && (IsDecimalDigit(text_[pos_]) || text_[pos_] == u'.')) {
        ++pos_;
    }
    if (pos_ - start == 1 && text_[start] == u'.') {
        return {.kind = TokenKind::Bad};
    }
    if (pos_ < text_.size() && (text_[pos_] == u'e' || text_[pos_] == u'E')) {
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == u'+' || text_[pos_] == u'-')) {
            ++pos_;
        }
        for (int digits = 0;
             digits < kMaxExponentDigits && pos_ < text_.size() && IsDecimalDigit(text_[pos_]);
             ++digits) {
            ++pos_;
        }
    }
    const auto value = ParseDecimal(text_.mid(start, pos_ - start));
    return {.kind = TokenKind::Number, .number = value.value_or(0), .malformed = !value};
}

// A word of letters, digits and "_": a function name or "MOD" in any letter case, else bad.
Token ArithmeticLexer::ScanWord() {
    const qsizetype start = pos_;
    while (pos_ < text_.size() &&
           (IsAsciiLetter(text_[pos_]) || IsDecimalDigit(text_[pos_]) || text_[pos_] == u'_')) {
        ++pos_;
    }
    const QString word = text_.mid(start, pos_ - start).toString().toUpper();
    if (word == u"MOD") {
        return {.kind = TokenKind::Mod};
    }
    if (const auto function = FindArithmeticFunction(word)) {
        return {.kind = TokenKind::Function, .function = *function};
    }
    return {.kind = TokenKind::Bad};
}

} // namespace vevezo
