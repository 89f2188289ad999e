#pragma once

#include "document/Compression.h"

#include <QString>
#include <QVariant>

namespace vevezo {

// The forms PackText gives: the 6-bit content text, hexadecimal text, or (any other mode) the
// compressed bytes themselves.
inline constexpr int kPackSixBit = 0;
inline constexpr int kPackHex = 256;

// Converts the text to the 8-bit code page, compresses it into one zlib stream and returns the
// stream in the form the mode asks for: a QString for kPackSixBit and kPackHex, else a
// QByteArray.
QVariant PackText(const QString& text, int mode);

// The reverse of PackText. With isText the value is read as a string: hexadecimal text, or when
// that yields no byte, the 6-bit code. Otherwise the value must be a QByteArray. The bytes are
// then inflated (at most `limit` bytes) and read from the 8-bit code page. Any failure (wrong
// value type, undecodable text, a corrupt, truncated or oversized stream) gives empty text.
QString UnpackText(const QVariant& value, bool isText, qsizetype limit = kMaxInflatedSize);

} // namespace vevezo
