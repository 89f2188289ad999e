#include "Commands.h"
#include "common/Error.h"
#include "data/DataPacket.h"
#include "data/PacketIndex.h"
#include "document/FileContent.h"
#include "document/RptDesigner.h"
#include "document/TextCodec.h"
#include "providers/ReportSet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace vevezo::cli {

namespace {

const char* DockingName(int align) {
    static const char* const kNames[] = {"none", "top", "bottom", "left", "right", "client"};
    return align >= alNone && align <= alClient ? kNames[align] : "?";
}

const char* TypeName(int type) {
    static const char* const kNames[] = {"none", "text", "image", "table", "rich text"};
    return type >= mmNone && type <= mmDoc ? kNames[type] : "?";
}

QJsonObject PageJson(const TRptDesigner& page) {
    const TSizeMargins& m = *page.Margins();
    QJsonArray elements;
    for (const TRptElement* e : page.Elements()) {
        const int type = TRptDesigner::ElementTypeOf(e);
        elements.append(QJsonObject{
            {"name", e->Name()},
            {"type", TypeName(type)},
            {"left", e->Left()},
            {"top", e->Top()},
            {"width", e->Width()},
            {"height", e->Height()},
            {"docking", DockingName(e->Align())},
            {"main", e->IsMain()},
        });
    }
    return QJsonObject{
        {"title", page.Title()},
        {"fileVersion", page.FileVersion()},
        {"paper", QJsonObject{{"width", page.PaperWidth()},
                              {"height", page.PaperHeight()},
                              {"code", page.PaperConst()},
                              {"orientation",
                               page.Orientation() == poLandscape ? "landscape" : "portrait"}}},
        {"margins", QJsonObject{{"left", m.LeftMargin()},
                                {"top", m.TopMargin()},
                                {"right", m.RightMargin()},
                                {"bottom", m.BottomMargin()},
                                {"bind", m.Bind()},
                                {"bindPosition", m.BindPos() == bpTop ? "top" : "left"}}},
        {"pageMerge",
         QJsonObject{{"mode", page.PageMergeMode()}, {"count", page.PageMergeCount()}}},
        {"elements", elements},
    };
}

void PrintPage(const TRptDesigner& page) {
    const TSizeMargins& m = *page.Margins();
    std::printf("title:    %s\n", qPrintable(page.Title()));
    std::printf("paper:    %d x %d (0.1 mm), code %d, %s\n", page.PaperWidth(), page.PaperHeight(),
                page.PaperConst(), page.Orientation() == poLandscape ? "landscape" : "portrait");
    std::printf("margins:  left %d, top %d, right %d, bottom %d, binding %d on the %s\n",
                m.LeftMargin(), m.TopMargin(), m.RightMargin(), m.BottomMargin(), m.Bind(),
                m.BindPos() == bpTop ? "top" : "left");
    if (page.PageMergeMode() != pmmNone) {
        std::printf("tiling:   mode %d, %d pages per sheet\n", page.PageMergeMode(),
                    page.PageMergeCount());
    }
    std::printf("elements: %lld\n", static_cast<long long>(page.Elements().size()));
    for (const TRptElement* e : page.Elements()) {
        const int type = TRptDesigner::ElementTypeOf(e);
        std::printf(
            "  %-16s %-9s at (%d, %d) size %d x %d%s%s%s\n", qPrintable(e->Name()), TypeName(type),
            e->Left(), e->Top(), e->Width(), e->Height(), e->Align() != alNone ? ", docked " : "",
            e->Align() != alNone ? DockingName(e->Align()) : "", e->IsMain() ? ", main" : "");
    }
}

const char* KindName(int kind) {
    static const char* const kNames[] = {"unknown", "xml", "database", "packet"};
    return kind >= rptDSUnknown && kind <= rptDSxmldb ? kNames[kind] : "?";
}

// The records of a source: -1 for XML documents, which have none.
qint64 RecordsOf(TRptDSO& source) {
    source.Open();
    if (source.DataType() == rptDSdb && source.Records()) {
        return RecordCount(*source.Records());
    }
    if (source.DataType() == rptDSxmldb) {
        return source.Packet().RecordCount();
    }
    return -1;
}

QJsonObject ReportSetJson(TRptDocs& docs, bool coPages) {
    QJsonArray reports;
    for (int i = 0; i < docs.Count(); ++i) {
        TRptDoc* p = docs.Items(i);
        QJsonArray sources;
        if (const auto collection = p->DataSources()) {
            for (int s = 0; s < collection->Count(); ++s) {
                TRptDSO* source = collection->Items(s);
                const qint64 records = RecordsOf(*source);
                sources.append(
                    QJsonObject{{"name", source->DataName()},
                                {"kind", KindName(source->DataType())},
                                {"main", source->IsMain()},
                                {"records", records < 0 ? QJsonValue() : QJsonValue(records)}});
            }
        }
        reports.append(QJsonObject{{"name", p->Name()},
                                   {"id", p->RptID()},
                                   {"default", p->Default() != 0},
                                   {"tag", p->Tag()},
                                   {"sources", sources}});
    }
    return QJsonObject{{"runOnPageNumbers", coPages},
                       {"sharedSources", docs.SingleDataSources() != 0},
                       {"reports", reports}};
}

void PrintReportSet(const QJsonObject& set) {
    std::printf("run-on page numbers: %s\n", set["runOnPageNumbers"].toBool() ? "yes" : "no");
    if (set["sharedSources"].toBool()) {
        std::printf("data sources shared by all reports\n");
    }
    for (const QJsonValue& value : set["reports"].toArray()) {
        const QJsonObject report = value.toObject();
        std::printf("report %s (ID %d, tag %d%s)\n", qPrintable(report["name"].toString()),
                    report["id"].toInt(), report["tag"].toInt(),
                    report["default"].toBool() ? ", default" : "");
        for (const QJsonValue& sourceValue : report["sources"].toArray()) {
            const QJsonObject source = sourceValue.toObject();
            std::printf("  source %-12s %-8s%s", qPrintable(source["name"].toString()),
                        qPrintable(source["kind"].toString()),
                        source["main"].toBool() ? " main" : "");
            if (!source["records"].isNull()) {
                std::printf(" %lld records", static_cast<long long>(source["records"].toDouble()));
            }
            std::printf("\n");
        }
    }
}

} // namespace

int Info(const QStringList& args) {
    const bool json = args.contains(QLatin1String("--json"));
    QStringList files = args;
    files.removeAll(QLatin1String("--json"));
    if (files.size() != 1) {
        std::fputs("usage: vevezo info FILE [--json]\n", stderr);
        return 2;
    }
    const QString& name = files.first();
    try {
        const QByteArray bytes = ReadFileContent(name);
        TRptDesigner page;
        if (page.LoadDesignXML(DecodeText(bytes))) {
            if (json) {
                std::fputs(QJsonDocument(PageJson(page)).toJson().constData(), stdout);
            } else {
                PrintPage(page);
            }
            return 0;
        }
        TRptDocs docs;
        bool coPages = false;
        if (!OpenReportSetFile(docs, name, coPages)) {
            std::fprintf(stderr, "vevezo: %s is neither a report set nor a report design\n",
                         qPrintable(name));
            return 1;
        }
        const QJsonObject set = ReportSetJson(docs, coPages);
        if (json) {
            std::fputs(QJsonDocument(set).toJson().constData(), stdout);
        } else {
            PrintReportSet(set);
        }
    } catch (const Error& e) {
        std::fprintf(stderr, "vevezo: %s: %s\n", qPrintable(name), qPrintable(e.text()));
        return 1;
    }
    return 0;
}

} // namespace vevezo::cli
