#include "document/ReportSetContent.h"

#include "document/ContentText.h"
#include "document/TextCodec.h"

namespace vevezo {

std::optional<QString> LoadReportSetContent(xml::Document& doc, const QByteArray& bytes,
                                            qsizetype inflateLimit) {
    const QString text = DecodeText(bytes);
    if (doc.LoadXML(text)) {
        return text;
    }
    const QString unpacked = UnpackText(text, true, inflateLimit);
    if (!unpacked.isEmpty() && doc.LoadXML(unpacked)) {
        return unpacked;
    }
    const QString inflated = UnpackText(bytes, false, inflateLimit);
    if (!inflated.isEmpty() && doc.LoadXML(inflated)) {
        return inflated;
    }
    return std::nullopt;
}

std::optional<QString> ReportSetXmlText(const QByteArray& bytes, qsizetype inflateLimit) {
    xml::Document doc;
    return LoadReportSetContent(doc, bytes, inflateLimit);
}

} // namespace vevezo
