#include "common/Error.h"
#include "common/Messages.h"
#include "common/Numbers.h"
#include "document/ReportSetConstants.h"
#include "providers/ReportSet.h"

#include <cstring>

namespace vevezo {

namespace {

// "-1", "0", "1", "True" or "False" in any letter case; missing or empty is false.
bool BooleanText(const std::optional<QString>& text) {
    if (!text || text->isEmpty()) {
        return false;
    }
    if (text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const auto number = TryStrictInt(*text);
    if (!number) {
        throw ConvertError(QString::fromUtf8(msg::NotABoolean).arg(*text));
    }
    return *number != 0;
}

void ReadIntIfGiven(xml::Node node, const char* name, const std::function<void(int)>& set) {
    const QString text = xml::AttrOr(node, name);
    if (!text.isEmpty()) {
        set(StrictInt(text));
    }
}

} // namespace

bool ReadReportSet(TRptDocs& providers, xml::Node root, bool& coPages) {
    if (!root || std::strcmp(root.name(), "BVReports") != 0 || !xml::HasAttributes(root)) {
        return false;
    }
    const auto url = xml::Attr(root, "url");
    if (!url || url->compare(QLatin1String(reportset::kIdentificationUrl), Qt::CaseInsensitive) != 0) {
        return false;
    }
    coPages = BooleanText(xml::Attr(root, "CoPages"));
    const xml::Node shared = xml::Child(root, "DataSources");
    const bool sharing = shared && providers.Count() == 0;
    if (sharing) {
        providers.SetSingleDataSources(-1);
        ReadDataSources(*providers.DataSources(), shared);
    }
    for (const xml::Node item : xml::ChildElements(root)) {
        const xml::Node design = xml::Child(item, "BVReport");
        if (!design) {
            continue;
        }
        TRptDoc* provider = providers.Add();
        const QString name = xml::AttrOr(item, "Name");
        provider->SetName(name.isEmpty() ? QStringLiteral("Untitled") : name);
        ReadIntIfGiven(item, "ReportID", [&](int id) { provider->SetRptID(id); });
        ReadIntIfGiven(item, "Tag", [&](int tag) { provider->SetTag(tag); });
        ReadIntIfGiven(item, "Default", [&](int value) { provider->SetDefault(value); });
        provider->SetXML(xml::Serialize(design));
        if (sharing) {
            provider->SetDataSources(providers.DataSources());
        } else if (const xml::Node own = xml::Child(item, "DataSources")) {
            if (provider->CreateDataSources()) {
                ReadDataSources(*provider->DataSources(), own);
            }
        }
    }
    return true;
}

} // namespace vevezo
