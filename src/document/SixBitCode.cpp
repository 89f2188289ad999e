#include "document/SixBitCode.h"

#include <array>

namespace vevezo {

namespace {

constexpr char kAlphabet[] = "aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ0123456789+=";
static_assert(sizeof(kAlphabet) == 64 + 1);

// The 6-bit value of each ASCII character, or -1 for characters outside the alphabet.
constexpr std::array<signed char, 128> MakeValues() {
    std::array<signed char, 128> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i) {
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    }
    return values;
}

constexpr std::array<signed char, 128> kValues = MakeValues();

} // namespace

QString EncodeSixBit(const QByteArray& bytes) {
    QString text;
    text.reserve((bytes.size() * 8 + 5) / 6);
    quint32 pending = 0; // the bits not yet written, right-aligned
    int count = 0;       // how many there are (always below 6 between bytes)
    for (const char byte : bytes) {
        pending = pending << 8 | static_cast<unsigned char>(byte);
        count += 8;
        while (count >= 6) {
            count -= 6;
            text.append(QLatin1Char(kAlphabet[(pending >> count) & 0x3F]));
        }
        pending &= (1u << count) - 1;
    }
    if (count > 0) {
        text.append(QLatin1Char(kAlphabet[(pending << (6 - count)) & 0x3F]));
    }
    return text;
}

QByteArray DecodeSixBit(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 6 / 8);
    quint32 pending = 0;
    int count = 0; // always below 8 between characters
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const int value = u < kValues.size() ? kValues[u] : -1;
        if (value < 0) {
            continue;
        }
        pending = pending << 6 | static_cast<quint32>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.append(static_cast<char>((pending >> count) & 0xFF));
        }
        pending &= (1u << count) - 1;
    }
    return bytes;
}

} // namespace vevezo
