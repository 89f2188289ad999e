#include "document/ContentText.h"

#include "common/Error.h"
#include "document/SixBitCode.h"
#include "document/TextCodec.h"
#include "document/XmlCons.h"

namespace vevezo {

namespace {

// The compressed bytes carried by a content text: hexadecimal when that yields anything, else
// the 6-bit code. Hexadecimal decoding stops at "}" or any other character that is neither a
// digit pair nor a blank.
QByteArray ContentTextBytes(const QString& text) {
    QByteArray bytes = HexToBytes(text);
    return bytes.isEmpty() ? DecodeSixBit(text) : bytes;
}

} // namespace

QVariant PackText(const QString& text, int mode) {
    const QByteArray compressed = Compress(EncodeText(text));
    switch (mode) {
    case kPackSixBit:
        return EncodeSixBit(compressed);
    case kPackHex:
        return BytesToHex(compressed);
    default:
        return compressed;
    }
}

QString UnpackText(const QVariant& value, bool isText, qsizetype limit) {
    QByteArray compressed;
    if (isText) {
        compressed = ContentTextBytes(value.toString());
    } else if (value.metaType().id() == QMetaType::QByteArray) {
        compressed = value.toByteArray();
    }
    if (compressed.isEmpty()) {
        return {};
    }
    try {
        return DecodeText(Decompress(compressed, limit));
    } catch (const Error&) {
        return {};
    }
}

} // namespace vevezo
