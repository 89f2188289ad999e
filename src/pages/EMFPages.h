#pragma once

#include "document/PageData.h"
#include "document/RptInterfaces.h"
#include "pages/MetafilePage.h"

#include <memory>
#include <vector>

namespace vevezo {

class TRptEMFMaker;
class TRptElement;

// One page of a report: the record (or slice of a flowing element) it shows and, once rendered,
// its recording.
struct TEMFPage {
    int Record = 1;
    std::shared_ptr<PageData> Data;
    bool Rendered = false;
    int Width = 0; // design pixels
    int Height = 0;
    std::unique_ptr<MetafilePage> Metafile;
};

// The pages of one report, with their numbering and the page information they answer while one
// of them is drawn.
class TEMFPages : public IRptPageInfoEnumerator {
public:
    explicit TEMFPages(TRptEMFMaker& maker) : maker_(maker) {}

    int Count() const { return static_cast<int>(pages_.size()); }
    TEMFPage* Items(int index) const;
    void Clear();
    void Append(std::unique_ptr<TEMFPage> page) { pages_.push_back(std::move(page)); }

    // Records page i on first need (or again when forced); a design newer than this program
    // gets a notice in its top left corner.
    void RenderPage(int index, bool force = false);
    // Draws page i straight onto a canvas (a printer's, say), placed at the offsets.
    void PaintPage(int index, Canvas& canvas, int offsetX, int offsetY);
    // Draws page i's recording scaled into a rectangle, rendering it first when needed.
    void DrawPage(int index, Canvas& canvas, const PixelRect& target);
    const MetafilePage* PageMetafile(int index) const;

    // Device pixels per design pixel, cached until the resolution changes.
    double ScaleX();
    double ScaleY();
    void ClearScale() { scaleX_ = scaleY_ = 0; }

    // Numbering across reports.
    int NumberOffset = 0;
    int TotalOverride = 0;
    int CurrentPage = 1;
    TRptElement* MainElement = nullptr;
    int MainType = 0;

    // Codes 1 page number, 2 page count, 3 main source index, 4-7 the page's data slice.
    int GetPageInfo(int code) override;

private:
    TRptEMFMaker& maker_;
    std::vector<std::unique_ptr<TEMFPage>> pages_;
    double scaleX_ = 0;
    double scaleY_ = 0;
};

} // namespace vevezo
