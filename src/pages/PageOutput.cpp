#include "pages/PageOutput.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "common/Numbers.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace vevezo {

namespace {

// Paper size of a maker's report in tenths of a millimetre, A4 when the design has none.
QSizeF PaperMillimetres(TRptEMFMaker& maker) {
    const TRptDesigner* page = maker.MakerPage();
    const int width = page->PaperWidth() > 0 ? page->PaperWidth() : 2100;
    const int height = page->PaperHeight() > 0 ? page->PaperHeight() : 2970;
    return QSizeF(width / 10.0, height / 10.0);
}

QSize PaperPixels(TRptEMFMaker& maker, int dpi) {
    const QSizeF mm = PaperMillimetres(maker);
    return QSize(RoundToInt(mm.width() / 25.4 * dpi), RoundToInt(mm.height() / 25.4 * dpi));
}

// Paints one page at a resolution onto a painter, as a printer is painted.
void PaintAt(const SetPage& page, QPainter& painter, int dpi) {
    page.maker->SetResolutionX(dpi);
    page.maker->SetResolutionY(dpi);
    Canvas canvas(painter);
    canvas.SetIsPrinter(true);
    page.maker->Pages().PaintPage(page.index, canvas, 0, 0);
}

QString NumberedName(const QString& fileName, int number, int count) {
    if (count == 1) {
        return fileName;
    }
    const QFileInfo info(fileName);
    const QString base = info.path() + QLatin1Char('/') + info.completeBaseName();
    return QStringLiteral("%1-%2.%3").arg(base).arg(number).arg(info.suffix());
}

void Report(const RenderProgress& progress, int done, int total) {
    if (progress) {
        progress(done, total);
    }
}

} // namespace

QList<SetPage> PagesOf(TRptEMFMakers& makers, const QString& ranges) {
    QList<SetPage> all;
    for (int m = 0; m < makers.Count(); ++m) {
        for (int i = 0; i < makers.Items(m)->Pages().Count(); ++i) {
            all.append({makers.Items(m), i});
        }
    }
    if (ranges.trimmed().isEmpty()) {
        return all;
    }
    QList<SetPage> chosen;
    for (const QString& part : ranges.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        const auto first = TryStrictInt(ends.value(0).trimmed());
        const auto last = ends.size() == 2 ? TryStrictInt(ends[1].trimmed()) : first;
        if (!first || !last || ends.size() > 2 || *first < 1 || *last < *first) {
            throw Error(QString::fromUtf8(msg::BadPageRange).arg(ranges));
        }
        for (int number = *first; number <= *last && number <= all.size(); ++number) {
            chosen.append(all[number - 1]);
        }
    }
    return chosen;
}

void RenderToPdf(const QList<SetPage>& pages, const QString& fileName, int dpi,
                 const RenderProgress& progress) {
    if (pages.isEmpty()) {
        return;
    }
    QPdfWriter writer(fileName);
    writer.setResolution(dpi);
    writer.setCreator(QStringLiteral("vevezo"));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(pages.first().maker->Caption());
    writer.setPageSize(QPageSize(PaperMillimetres(*pages.first().maker), QPageSize::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw Error(QString::fromUtf8(msg::CannotWrite).arg(fileName));
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(QPageSize(PaperMillimetres(*pages[i].maker), QPageSize::Millimeter));
            writer.newPage();
        }
        PaintAt(pages[i], painter, dpi);
        Report(progress, i + 1, static_cast<int>(pages.size()));
    }
    painter.end();
}

QStringList RenderToPng(const QList<SetPage>& pages, const QString& fileName, int dpi,
                        const RenderProgress& progress) {
    QStringList written;
    for (int i = 0; i < pages.size(); ++i) {
        QImage image(PaperPixels(*pages[i].maker, dpi), QImage::Format_RGB32);
        image.setDotsPerMeterX(RoundToInt(dpi / 0.0254));
        image.setDotsPerMeterY(RoundToInt(dpi / 0.0254));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            PaintAt(pages[i], painter, dpi);
        }
        const QString name = NumberedName(fileName, i + 1, static_cast<int>(pages.size()));
        if (!image.save(name, "PNG")) {
            throw Error(QString::fromUtf8(msg::CannotWrite).arg(name));
        }
        written << name;
        Report(progress, i + 1, static_cast<int>(pages.size()));
    }
    return written;
}

QStringList RenderToSvg(const QList<SetPage>& pages, const QString& fileName,
                        const RenderProgress& progress) {
    QStringList written;
    for (int i = 0; i < pages.size(); ++i) {
        TRptEMFMaker& maker = *pages[i].maker;
        const int dpi = maker.BaseResolution();
        const QString name = NumberedName(fileName, i + 1, static_cast<int>(pages.size()));
        QSvgGenerator svg;
        svg.setFileName(name);
        svg.setResolution(dpi);
        svg.setSize(PaperPixels(maker, dpi));
        svg.setViewBox(QRect(QPoint(0, 0), PaperPixels(maker, dpi)));
        svg.setTitle(maker.Caption());
        QPainter painter;
        if (!painter.begin(&svg)) {
            throw Error(QString::fromUtf8(msg::CannotWrite).arg(name));
        }
        painter.fillRect(QRect(QPoint(0, 0), PaperPixels(maker, dpi)), Qt::white);
        PaintAt(pages[i], painter, dpi);
        painter.end();
        written << name;
        Report(progress, i + 1, static_cast<int>(pages.size()));
    }
    return written;
}

} // namespace vevezo
