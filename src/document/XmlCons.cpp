#include "document/XmlCons.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/Numbers.h"

#include <QRegularExpression>

namespace vevezo {

QString SetToText(quint32 bits, bool brackets) {
    QStringList numbers;
    for (int bit = 0; bit < 32; ++bit) {
        if ((bits >> bit) & 1u) {
            numbers << QString::number(bit);
        }
    }
    const QString list = numbers.join(QLatin1Char(','));
    return brackets ? QLatin1Char('[') + list + QLatin1Char(']') : list;
}

quint32 SetFromText(const QString& text) {
    QStringView rest = QStringView(text);
    if (rest.startsWith(u'[')) {
        rest = rest.mid(1);
    }
    if (rest.endsWith(u']')) {
        rest.chop(1);
    }
    static const QRegularExpression separators(QStringLiteral("[ ,]"));
    quint32 bits = 0;
    for (const QString& token : rest.toString().split(separators, Qt::SkipEmptyParts)) {
        const auto number = TryStrictInt64(token);
        if (!number) {
            throw ConvertError(QString::fromUtf8(msg::NotASetMember).arg(token));
        }
        if (*number >= 0 && *number <= 31) {
            bits |= 1u << *number;
        }
    }
    return bits;
}

QString BytesToHex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

namespace {

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

} // namespace

QByteArray HexToBytes(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        while (i + 1 < text.size()) {
            const int high = HexDigit(text[i]);
            const int low = HexDigit(text[i + 1]);
            if (high < 0 || low < 0) {
                break;
            }
            bytes.append(static_cast<char>(high << 4 | low));
            i += 2;
        }
        while (i < text.size() && text[i].unicode() <= 32) {
            ++i;
        }
        if (i == start) {
            break;
        }
    }
    return bytes;
}

int HtmlFontSize(int points) {
    if (points >= 4 && points <= 7) {
        return 1;
    }
    if (points >= 8 && points <= 9) {
        return 2;
    }
    if (points >= 10 && points <= 13) {
        return 3;
    }
    if (points >= 14 && points <= 17) {
        return 4;
    }
    if (points >= 18 && points <= 23) {
        return 5;
    }
    if (points >= 24 && points <= 35) {
        return 6;
    }
    return 7;
}

void FontToXml(const RptFont& font, xml::Node node, bool html) {
    xml::SetAttr(node, "Face", font.face);
    if (html) {
        xml::SetAttr(node, "Size", HtmlFontSize(font.size));
    } else {
        xml::SetAttr(node, "AbsoluteSize", font.size);
        xml::SetAttr(node, "Height", font.height);
        if (font.charset != 1) {
            xml::SetAttr(node, "Charset", font.charset);
        }
    }
    if (ColorToRGB(font.color) != clBlack) {
        xml::SetAttr(node, "Color", ColorToText(font.color));
    }
    if (!html) {
        if (font.pitch != 0) {
            xml::SetAttr(node, "Pitch", font.pitch);
        }
        if (font.style != 0) {
            xml::SetAttr(node, "Style", SetToText(font.style, false));
        }
    }
}

void FontFromXml(RptFont& font, xml::Node node) {
    if (const auto face = xml::Attr(node, "Face")) {
        font.face = *face;
    }
    if (const auto size = xml::Attr(node, "AbsoluteSize")) {
        font.SetSize(StrictInt(*size));
    }
    if (const auto charset = xml::Attr(node, "Charset")) {
        font.charset = StrictInt(*charset);
    }
    if (const auto color = xml::Attr(node, "Color")) {
        font.color = ColorFromText(*color);
    }
    if (const auto pitch = xml::Attr(node, "Pitch")) {
        font.pitch = StrictInt(*pitch);
    }
    if (const auto style = xml::Attr(node, "Style")) {
        // A font has four styles; higher members of the set have no meaning for it.
        font.style = SetFromText(*style) & 0xFu;
    }
}

} // namespace vevezo
