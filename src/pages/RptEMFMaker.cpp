#include "pages/RptEMFMaker.h"

#include "common/Units.h"
#include "data/DataPacket.h"
#include "data/PacketIndex.h"
#include "data/RptDSOs.h"

#include <cmath>

namespace vevezo {

TRptEMFMaker::TRptEMFMaker(QObject* parent)
    : QObject(parent), resolutionX_(ScreenPixelsPerInch()), resolutionY_(ScreenPixelsPerInch()),
      baseResolution_(ScreenPixelsPerInch()), pages_(*this) {}

TRptEMFMaker::~TRptEMFMaker() {
    pages_.Clear();
    if (ownsPage_) {
        delete page_.data();
    }
}

TRptDesigner* TRptEMFMaker::MakerPage() {
    if (!page_) {
        page_ = new TRptDesigner();
        page_->SetVisible(false);
        ownsPage_ = true;
    }
    return page_;
}

void TRptEMFMaker::UseDesign(TRptDesigner* page) {
    if (ownsPage_) {
        delete page_.data();
        ownsPage_ = false;
    }
    page_ = page;
    if (page && !page->Elements().isEmpty()) {
        MakePages(true);
    }
}

void TRptEMFMaker::SetProvider(IRptDesignProvider* provider) {
    MakerPage()->SetProvider(provider);
    MakePages(true);
}

QString TRptEMFMaker::Caption() const {
    return page_ ? page_->Title() : QString();
}

void TRptEMFMaker::SetResolutionX(int dpi) {
    if (dpi != resolutionX_) {
        resolutionX_ = dpi;
        pages_.ClearScale();
    }
}

void TRptEMFMaker::SetResolutionY(int dpi) {
    if (dpi != resolutionY_) {
        resolutionY_ = dpi;
        pages_.ClearScale();
    }
}

void TRptEMFMaker::AddPage(int record, std::shared_ptr<PageData> data) {
    auto page = std::make_unique<TEMFPage>();
    if (record != 0) {
        page->Record = record;
    }
    page->Data = std::move(data);
    const long double scale = static_cast<long double>(baseResolution_) / 254.0L;
    if (page_) {
        page->Width = static_cast<int>(std::nearbyint(page_->PaperWidth() * scale));
        page->Height = static_cast<int>(std::nearbyint(page_->PaperHeight() * scale));
    }
    pages_.Append(std::move(page));
}

void TRptEMFMaker::PagesPerRecord(TRptDSO& source) {
    int records = 0;
    if (source.DataType() == rptDSdb && source.Records()) {
        records = static_cast<int>(RecordCount(*source.Records()));
    } else if (source.DataType() == rptDSxmldb) {
        records = source.Packet().RecordCount();
    }
    if (records <= 0) {
        OnePage();
        return;
    }
    for (int record = 1; record <= records; ++record) {
        AddPage(record);
    }
}

void TRptEMFMaker::MakePages(bool rebuild) {
    if (rebuild) {
        pages_.Clear();
    } else if (pages_.Count() > 0) {
        return;
    }
    TRptDesigner* page = page_;
    if (!page) {
        return;
    }
    IRptDesignProvider* provider = page->Provider();
    auto* sources = provider ? dynamic_cast<TRptDSOs*>(provider->SourcesValues()) : nullptr;
    if (!sources) {
        OnePage();
        return;
    }
    pages_.MainElement = page->MainElement();
    pages_.MainType = TRptDesigner::ElementTypeOf(pages_.MainElement);
    if (pages_.MainElement) {
        // A flowing main element plans its own pages; one that cannot makes one page.
        const PagePlanning planning{QVariant(),
                                    nullptr,
                                    page,
                                    page->SourceDataLookup(),
                                    pages_.ScaleX(),
                                    pages_.ScaleY(),
                                    [this](int record, std::shared_ptr<PageData> data) {
                                        AddPage(record, std::move(data));
                                    }};
        if (!pages_.MainElement->PlanPages(planning) || pages_.Count() == 0) {
            pages_.Clear();
            OnePage();
        }
        return;
    }
    const int main = sources->MainIndex();
    if (main < 0) {
        OnePage();
        return;
    }
    TRptDSO& source = *sources->Items(main);
    source.Open();
    if (!source.Parsed() || (source.DataType() != rptDSdb && source.DataType() != rptDSxmldb)) {
        OnePage();
        return;
    }
    PagesPerRecord(source);
}

} // namespace vevezo
