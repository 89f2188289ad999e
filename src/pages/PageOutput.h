#pragma once

#include "pages/RptEMFMakers.h"

#include <QList>
#include <QString>
#include <functional>

namespace vevezo {

// Called after each page with the number done and the number to do.
using RenderProgress = std::function<void(int done, int total)>;

// A page of an opened report set: which maker and which of its pages.
struct SetPage {
    TRptEMFMaker* maker;
    int index;
};

// Every page of the makers, in order; `ranges` ("1-3,5", empty for all) picks by the 1-based
// page numbers of the whole set. Throws Error for a malformed range.
QList<SetPage> PagesOf(TRptEMFMakers& makers, const QString& ranges = {});

// Writes the pages as one PDF, each painted straight at the writer's resolution (text stays
// text, fonts are embedded), on paper of the report's size. Throws Error when it cannot write.
void RenderToPdf(const QList<SetPage>& pages, const QString& fileName, int dpi,
                 const RenderProgress& progress = {});
// Writes each page as a PNG at the resolution: the file name itself for one page, else the name
// with "-1", "-2", ... before the extension. Answers the files written.
QStringList RenderToPng(const QList<SetPage>& pages, const QString& fileName, int dpi,
                        const RenderProgress& progress = {});
// Writes each page as an SVG, named like the PNG pages.
QStringList RenderToSvg(const QList<SetPage>& pages, const QString& fileName,
                        const RenderProgress& progress = {});

} // namespace vevezo
