#include "pages/EMFPages.h"

#include "common/Color.h"
#include "common/Numbers.h"
#include "data/RptDSOs.h"
#include "document/RptDesigner.h"
#include "pages/RptEMFMaker.h"

namespace vevezo {

namespace {

// Restores the page's state however drawing ends.
class DrawingScope {
public:
    DrawingScope(TRptDesigner& page, TEMFPages& pages, int current)
        : page_(page), pages_(pages), saved_(pages.CurrentPage) {
        page_.SetPageInfoHandler(&pages_);
        pages_.CurrentPage = current;
    }
    ~DrawingScope() {
        page_.SetPageInfoHandler(nullptr);
        pages_.CurrentPage = saved_;
    }
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    TRptDesigner& page_;
    TEMFPages& pages_;
    int saved_;
};

constexpr const char* kNewerVersionNotice = "提示：此报表需要更高版本的报表浏览器！";

} // namespace

TEMFPage* TEMFPages::Items(int index) const {
    return index >= 0 && index < Count() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

void TEMFPages::Clear() {
    pages_.clear();
}

double TEMFPages::ScaleX() {
    if (scaleX_ == 0) {
        scaleX_ = maker_.ResolutionX() == maker_.BaseResolution()
                      ? 1.0
                      : static_cast<double>(maker_.ResolutionX()) / maker_.BaseResolution();
    }
    return scaleX_;
}

double TEMFPages::ScaleY() {
    if (scaleY_ == 0) {
        scaleY_ = maker_.ResolutionY() == maker_.BaseResolution()
                      ? 1.0
                      : static_cast<double>(maker_.ResolutionY()) / maker_.BaseResolution();
    }
    return scaleY_;
}

void TEMFPages::PaintPage(int index, Canvas& canvas, int offsetX, int offsetY) {
    TEMFPage* target = Items(index);
    TRptDesigner* page = maker_.MakerPage();
    if (!target || !page) {
        return;
    }
    double sx = ScaleX();
    double sy = ScaleY();
    if (!canvas.IsPrinter()) {
        const double rate = page->DpiRate(canvas.Device());
        if (rate != 1.0) {
            sx *= rate;
            sy *= rate;
        }
    }
    DrawingScope scope(*page, *this, index + 1);
    ValueLookup lookup;
    if (IRptDesignProvider* provider = page->Provider(); provider && provider->SourcesValues()) {
        lookup = page->SourceDataLookup();
        provider->OpenUnparsedSources(false);
    }
    const PageRendering rendering{target->Record,    page, lookup, sx, sy, offsetX, offsetY,
                                  target->Data.get()};
    for (TRptElement* element : page->Elements()) {
        element->Render(canvas, rendering);
    }
}

void TEMFPages::RenderPage(int index, bool force) {
    TEMFPage* target = Items(index);
    if (!target || (target->Rendered && !force)) {
        return;
    }
    target->Metafile = std::make_unique<MetafilePage>(QSize(target->Width, target->Height));
    Canvas& canvas = target->Metafile->Begin();
    PaintPage(index, canvas, 0, 0);
    const TRptDesigner* page = maker_.MakerPage();
    if (page && page->FileVersion() > page->Version()) {
        const RptFont saved = canvas.Font().Value();
        RptFont notice = RptFont::PageFont();
        notice.face = QStringLiteral("MS Sans Serif");
        notice.SetSize(9);
        notice.color = clRed;
        notice.SetStyle(fsUnderline, true);
        canvas.Font().Assign(notice);
        canvas.TextOut(RoundToInt(ScaleX() + 1), RoundToInt(ScaleY() + 1),
                       QString::fromUtf8(kNewerVersionNotice));
        canvas.Font().Assign(saved);
    }
    target->Metafile->End();
    target->Rendered = true;
}

void TEMFPages::DrawPage(int index, Canvas& canvas, const PixelRect& target) {
    TEMFPage* page = Items(index);
    if (!page) {
        return;
    }
    if (!page->Rendered) {
        RenderPage(index);
    }
    page->Metafile->Play(canvas, target);
}

const MetafilePage* TEMFPages::PageMetafile(int index) const {
    const TEMFPage* page = Items(index);
    return page ? page->Metafile.get() : nullptr;
}

int TEMFPages::GetPageInfo(int code) {
    const TEMFPage* current = Items(CurrentPage - 1);
    const PageData* data = current ? current->Data.get() : nullptr;
    switch (code) {
    case 1:
        return CurrentPage + (NumberOffset > 0 ? NumberOffset : 0);
    case 2:
        return TotalOverride > 0 ? TotalOverride : Count();
    case 3: {
        const TRptDesigner* page = maker_.MakerPage();
        IRptDesignProvider* provider = page ? page->Provider() : nullptr;
        const auto* sources =
            provider ? dynamic_cast<const TRptDSOs*>(provider->SourcesValues()) : nullptr;
        return sources ? sources->MainIndex() : -1;
    }
    case 4:
        return data && data->MainData() ? 1 : 0;
    case 5:
        return data && data->MainData() && data->Layered() ? 1 : 0;
    case 6:
        return data ? data->FirstRow() : 0;
    case 7:
        return data ? data->LastRow() : 0;
    default:
        return 0;
    }
}

} // namespace vevezo
