#include "data/XmlData.h"
#include "document/ContentText.h"
#include "document/FileContent.h"
#include "document/FileNames.h"
#include "document/HtmlPage.h"
#include "document/ReportSetContent.h"
#include "document/TextCodec.h"
#include "providers/ReportSet.h"

namespace vevezo {

bool LoadReportSetText(TRptDocs& providers, const QByteArray& text, bool& coPages) {
    xml::Document doc;
    if (!LoadReportSetContent(doc, text)) {
        return false;
    }
    return ReadReportSet(providers, doc.Root(), coPages);
}

bool LoadReportSetBytes(TRptDocs& providers, const QByteArray& bytes, bool& coPages) {
    xml::Document doc;
    const QString text = UnpackText(QVariant(bytes), false);
    return !text.isEmpty() && doc.LoadXML(text) && ReadReportSet(providers, doc.Root(), coPages);
}

bool LoadReportSetVariant(TRptDocs& providers, const QVariant& value, bool& coPages) {
    if (value.metaType().id() == QMetaType::QString) {
        return LoadReportSetText(providers, EncodeText(value.toString()), coPages);
    }
    if (value.metaType() == QMetaType::fromType<XmlData>()) {
        return ReadReportSet(providers, value.value<XmlData>().node, coPages);
    }
    if (value.metaType().id() == QMetaType::QByteArray) {
        return LoadReportSetBytes(providers, value.toByteArray(), coPages);
    }
    return false;
}

bool OpenReportSetFile(TRptDocs& providers, const QString& fileName, bool& coPages) {
    const QByteArray bytes = ReadFileContent(fileName);
    if (LoadReportSetText(providers, bytes, coPages)) {
        return true;
    }
    // A page saved by vevezo carries the report set as its viewer object's content.
    const std::optional<QString> content = HtmlPageContent(DecodeText(bytes));
    return content && LoadReportSetText(providers, EncodeText(*content), coPages);
}

namespace {

QString PageOfXml(const QString& xml, bool forMail) {
    return xml.isEmpty() ? QString()
                         : BuildHtmlPage(PackText(xml, kPackSixBit).toString(), forMail);
}

} // namespace

QString ReportSetPage(const QList<TRptDoc*>& providers, TRptDSOs* shared, bool coPages,
                      bool forMail, const QString& frameSource) {
    return PageOfXml(WriteReportSet(providers, shared, coPages, frameSource), forMail);
}

void SaveReportSet(const QString& fileName, const QList<TRptDoc*>& providers, TRptDSOs* shared,
                   bool coPages, const QString& frameSource) {
    const QString xml = WriteReportSet(providers, shared, coPages, frameSource);
    switch (FileFormForName(fileName)) {
    case ReportSetFileForm::XmlText:
        WriteFileContent(fileName, xml);
        break;
    case ReportSetFileForm::Compressed:
        WriteFileContent(fileName, PackText(xml, 1));
        break;
    case ReportSetFileForm::HtmlPage:
        WriteFileContent(fileName, PageOfXml(xml, false));
        break;
    }
}

} // namespace vevezo
