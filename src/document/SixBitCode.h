#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace vevezo {

// The 6-bit text code that carries compressed report sets inside text. The bytes form one bit
// string, most significant bit of each byte first, padded with zero bits to a multiple of 6; each
// 6-bit group becomes the character at that position of
// "aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ0123456789+=". Nothing else is added.
QString EncodeSixBit(const QByteArray& bytes);

// Turns every character of the alphabet back into its 6 bits, skipping all other characters
// (line breaks, blanks), and every complete group of 8 bits into a byte; bits left over at the
// end are dropped.
QByteArray DecodeSixBit(QStringView text);

} // namespace vevezo
