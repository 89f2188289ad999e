#include "data/NumberPattern.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "data/QuotedText.h"

namespace vevezo {

namespace {

constexpr int MaxSections = 3;
constexpr int MaxExponentDigits = 4;

void AppendLiteral(NumberSection& section, const QString& text) {
    if (!section.tokens.empty() && section.tokens.back().kind == NumberToken::Literal) {
        section.tokens.back().text += text;
        return;
    }
    NumberToken token;
    token.text = text;
    section.tokens.push_back(token);
}

bool IsExponentStart(const QString& text, qsizetype pos) {
    return (text[pos] == u'E' || text[pos] == u'e') && pos + 1 < text.size() &&
           (text[pos + 1] == u'+' || text[pos + 1] == u'-');
}

} // namespace

QStringList SplitNumberSections(const QString& pattern) {
    QStringList sections{QString()};
    for (qsizetype pos = 0; pos < pattern.size();) {
        const QChar c = pattern[pos];
        if (IsQuote(c)) {
            const qsizetype start = pos;
            ReadQuotedText(pattern, pos);
            sections.back() += pattern.mid(start, pos - start);
        } else if (c == u';') {
            if (sections.size() == MaxSections) {
                throw ConvertError(QString::fromUtf8(msg::BadFormatText).arg(pattern));
            }
            sections.append(QString());
            ++pos;
        } else {
            sections.back() += c;
            ++pos;
        }
    }
    return sections;
}

NumberSection ReadNumberSection(const QString& text) {
    NumberSection section;
    bool pointSeen = false;
    int leftmostZero = -1; // index among the integer placeholders
    for (qsizetype pos = 0; pos < text.size();) {
        const QChar c = text[pos];
        if (IsQuote(c)) {
            AppendLiteral(section, ReadQuotedText(text, pos));
            continue;
        }
        if (c == u'0' || c == u'#') {
            NumberToken token;
            token.kind = NumberToken::Digit;
            token.digit = c;
            token.afterPoint = pointSeen;
            if (pointSeen) {
                ++section.decimalPlaceholders;
                if (c == u'0') {
                    section.minDecimalDigits = section.decimalPlaceholders;
                }
            } else {
                if (c == u'0' && leftmostZero < 0) {
                    leftmostZero = section.integerPlaceholders;
                }
                ++section.integerPlaceholders;
            }
            section.tokens.push_back(token);
            ++pos;
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            NumberToken token;
            token.kind = NumberToken::Point;
            section.tokens.push_back(token);
            ++pos;
        } else if (c == u',') {
            section.grouping = true;
            ++pos;
        } else if (!section.scientific && IsExponentStart(text, pos)) {
            NumberToken token;
            token.kind = NumberToken::Exponent;
            token.text = c;
            token.sign = text[pos + 1];
            pos += 2;
            while (pos < text.size() && text[pos] == u'0' &&
                   token.exponentDigits < MaxExponentDigits) {
                ++token.exponentDigits;
                ++pos;
            }
            section.scientific = true;
            section.tokens.push_back(token);
        } else {
            AppendLiteral(section, c);
            ++pos;
        }
    }
    if (leftmostZero >= 0) {
        section.minIntegerDigits = section.integerPlaceholders - leftmostZero;
    }
    return section;
}

} // namespace vevezo
