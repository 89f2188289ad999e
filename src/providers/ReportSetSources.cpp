#include "common/Numbers.h"
#include "data/DataPacket.h"
#include "data/SystemSource.h"
#include "providers/ReportSet.h"

namespace vevezo {

namespace {

bool MentionsSource(const QString& design, const QString& name) {
    const QString forms[] = {
        QStringLiteral("DataSource=\"%1\"").arg(name),
        QStringLiteral("DataField=\"%1.").arg(name),
        QStringLiteral("DataField=\"[%1].").arg(name),
        QStringLiteral("([%1]").arg(name),
        QStringLiteral("{[%1]").arg(name),
    };
    for (const QString& form : forms) {
        if (design.contains(form, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

void WriteSource(xml::Node parent, TRptDSO& source) {
    xml::Node item = xml::AppendElement(parent, "Item");
    if (source.IsMain()) {
        xml::SetBoolAttr(item, "IsMain", true);
    }
    switch (source.DataType()) {
    case rptDSxml:
        xml::SetAttr(item, "DataType", rptDSxml);
        xml::AppendParsedText(item, source.Source());
        break;
    case rptDSdb:
        // Record sets travel as data packets, named by their field description.
        xml::SetAttr(item, "DataType", rptDSxmldb);
        if (source.Records()) {
            PacketFromRecordSet(*source.Records(), source.XMLFields(), item);
        }
        break;
    case rptDSxmldb:
        xml::SetAttr(item, "DataType", rptDSxmldb);
        xml::AppendCopy(item, source.Document().node);
        break;
    default:
        break;
    }
}

} // namespace

QStringList UsedSources(const QStringList& designs, TRptDSOs& sources) {
    QStringList used;
    for (int i = 0; i < sources.Count(); ++i) {
        TRptDSO* source = sources.Items(i);
        if (source->DataName().isEmpty()) {
            source->Open();
        }
        const QString name = source->DataName();
        for (const QString& design : designs) {
            if (!name.isEmpty() && MentionsSource(design, name)) {
                used << name;
                break;
            }
        }
    }
    return used;
}

void WriteDataSources(xml::Node parent, TRptDSOs& sources,
                      const std::optional<QStringList>& used) {
    xml::Node element = xml::AppendElement(parent, "DataSources");
    for (int i = 0; i < sources.Count(); ++i) {
        TRptDSO& source = *sources.Items(i);
        source.Open();
        if (!source.Parsed() || source.DataName() == QLatin1String(kSystemSourceName)) {
            continue;
        }
        if (used && !used->contains(source.DataName(), Qt::CaseInsensitive)) {
            continue;
        }
        WriteSource(element, source);
    }
}

void ReadDataSources(TRptDSOs& sources, xml::Node element) {
    sources.Clear();
    sources.AddSystemSource();
    for (const xml::Node item : xml::Children(element, "Item")) {
        const auto type = TryStrictInt(xml::AttrOr(item, "DataType"));
        if (!type || *type < rptDSxml || *type > rptDSxmldb) {
            continue;
        }
        TRptDSO* source = sources.Add();
        const xml::Node first = xml::ChildElements(item).empty() ? xml::Node()
                                                                 : xml::ChildElements(item).front();
        switch (*type) {
        case rptDSxml:
            source->SetSource(first ? xml::Serialize(first) : QString());
            source->SetDataType(rptDSxml);
            break;
        case rptDSdb: {
            const std::vector<xml::Node> names = xml::ChildElements(xml::Child(item, "DataName"));
            if (!names.empty()) {
                source->SetDataName(xml::Serialize(names.front()));
            }
            const std::vector<xml::Node> data = xml::ChildElements(xml::Child(item, "Data"));
            if (!data.empty()) {
                if (RecordsetPtr records = RecordSetFromPacket(data.front())) {
                    source->SetData(QVariant::fromValue(records));
                }
            }
            break;
        }
        case rptDSxmldb:
            source->SetDataType(rptDSxml);
            source->SetData(first ? QVariant::fromValue(XmlData::CopyOf(first)) : QVariant());
            break;
        }
        const QString isMain = xml::AttrOr(item, "IsMain");
        if (!isMain.isEmpty()) {
            source->SetIsMain(StrictInt(isMain) != 0);
        }
    }
}

QList<TRptDoc*> ListLiveProviders(const TRptDocs& providers) {
    QList<TRptDoc*> live;
    for (int i = 0; i < providers.Count(); ++i) {
        if (providers.Items(i)->State() != rptDeleted) {
            live << providers.Items(i);
        }
    }
    return live;
}

} // namespace vevezo
