#include "Commands.h"

#include "common/Error.h"
#include "document/RptDesigner.h"
#include "document/TextCodec.h"

#include <QFile>
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
        {"paper",
         QJsonObject{{"width", page.PaperWidth()},
                     {"height", page.PaperHeight()},
                     {"code", page.PaperConst()},
                     {"orientation", page.Orientation() == poLandscape ? "landscape" : "portrait"}}},
        {"margins", QJsonObject{{"left", m.LeftMargin()},
                                {"top", m.TopMargin()},
                                {"right", m.RightMargin()},
                                {"bottom", m.BottomMargin()},
                                {"bind", m.Bind()},
                                {"bindPosition", m.BindPos() == bpTop ? "top" : "left"}}},
        {"pageMerge", QJsonObject{{"mode", page.PageMergeMode()},
                                  {"count", page.PageMergeCount()}}},
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
        std::printf("  %-16s %-9s at (%d, %d) size %d x %d%s%s%s\n", qPrintable(e->Name()),
                    TypeName(type), e->Left(), e->Top(), e->Width(), e->Height(),
                    e->Align() != alNone ? ", docked " : "",
                    e->Align() != alNone ? DockingName(e->Align()) : "",
                    e->IsMain() ? ", main" : "");
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
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vevezo: cannot read %s: %s\n", qPrintable(files.first()),
                     qPrintable(file.errorString()));
        return 1;
    }
    TRptDesigner page;
    try {
        if (!page.LoadDesignXML(DecodeText(file.readAll()))) {
            std::fprintf(stderr, "vevezo: %s is not a report design\n", qPrintable(files.first()));
            return 1;
        }
    } catch (const Error& e) {
        std::fprintf(stderr, "vevezo: %s: %s\n", qPrintable(files.first()), qPrintable(e.text()));
        return 1;
    }
    if (json) {
        std::fputs(QJsonDocument(PageJson(page)).toJson().constData(), stdout);
    } else {
        PrintPage(page);
    }
    return 0;
}

} // namespace vevezo::cli
