#include "script/DecimalText.h"

#include <charconv>
#include <string>

namespace vevezo {
namespace {

// Skips digits from `pos`; answers how many there were.
qsizetype SkipDigits(QStringView text, qsizetype& pos) {
    const qsizetype start = pos;
    while (pos < text.size() && IsDecimalDigit(text[pos])) {
        ++pos;
    }
    return pos - start;
}

bool IsDecimalShape(QStringView text) {
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        ++pos;
    }
    qsizetype digits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
            ++pos;
        }
        if (SkipDigits(text, pos) == 0) {
            return false;
        }
    }
    return pos == text.size();
}

} // namespace

std::optional<long double> ParseDecimal(QStringView text) {
    if (!IsDecimalShape(text)) {
        return std::nullopt;
    }
    // The shape is plain ASCII; the conversion does not take a leading "+".
    if (text.startsWith(u'+')) {
        text = text.mid(1);
    }
    const std::string ascii = text.toLatin1().toStdString();
    long double value = 0;
    const char* end = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace vevezo
