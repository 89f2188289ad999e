#include "document/TextCodec.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vevezo {

namespace {

// The declared encoding of an XML declaration at the very start, lower-cased, or empty.
QByteArray DeclaredEncoding(const QByteArray& bytes) {
    if (!bytes.startsWith("<?xml")) {
        return {};
    }
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0) {
        return {};
    }
    static const QRegularExpression pattern(
        QStringLiteral(R"(encoding\s*=\s*["']([A-Za-z0-9._-]+)["'])"));
    const auto match = pattern.match(QString::fromLatin1(bytes.left(end)));
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

QString DecodeUtf8Strict(const QByteArray& bytes, bool* ok) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    *ok = !decoder.hasError();
    return text;
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(bytes.mid(3));
    }
    const QByteArray declared = DeclaredEncoding(bytes);
    if (declared == "utf-8" || declared == "utf8") {
        bool ok = false;
        QString text = DecodeUtf8Strict(bytes, &ok);
        if (ok) {
            return text;
        }
    }
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

QByteArray EncodeText(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

} // namespace vevezo
