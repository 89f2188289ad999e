#include "document/ReportSetConstants.h"
#include "providers/ReportSet.h"

namespace vevezo {

namespace {

QString DesignOf(const QList<TRptDoc*>& providers, int index, const QString& frameSource) {
    return index == 0 && !frameSource.isEmpty() ? frameSource : providers[index]->XML();
}

} // namespace

QString WriteReportSet(const QList<TRptDoc*>& providers, TRptDSOs* shared, bool coPages,
                       const QString& frameSource) {
    if (providers.isEmpty()) {
        return {};
    }
    xml::Document doc;
    xml::Node root = doc.CreateElement(QStringLiteral("BVReports"));
    xml::SetAttr(root, "CopyRight", reportset::kCopyRight);
    xml::SetAttr(root, "url", reportset::kIdentificationUrl);
    if (coPages) {
        xml::SetBoolAttr(root, "CoPages", true);
    }
    if (shared) {
        QStringList designs;
        for (int i = 0; i < providers.size(); ++i) {
            designs << DesignOf(providers, i, frameSource);
        }
        WriteDataSources(root, *shared, UsedSources(designs, *shared));
    }
    for (int i = 0; i < providers.size(); ++i) {
        TRptDoc& provider = *providers[i];
        xml::Node item = xml::AppendElement(root, "Item");
        xml::SetAttr(item, "Name", provider.Name());
        xml::SetAttr(item, "ReportID", provider.RptID());
        xml::SetBoolAttr(item, "Default", provider.Default() != 0);
        xml::SetAttr(item, "Tag", provider.Tag());
        const QString design = DesignOf(providers, i, frameSource);
        xml::AppendParsedText(item, design);
        if (!shared) {
            if (const std::shared_ptr<TRptDSOs> sources = provider.DataSources()) {
                WriteDataSources(item, *sources, UsedSources({design}, *sources));
            }
        }
    }
    return xml::Serialize(root);
}

} // namespace vevezo
