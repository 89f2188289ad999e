#pragma once

#include "document/RptDesigner.h"
#include "pages/EMFPages.h"

#include <QObject>
#include <QPointer>

namespace vevezo {

class IRptDesignProvider;
class TRptDSO;

// Turns one report into pages: loads its design into a hidden page, counts the pages (one per
// record of the main source, the pages a flowing main element plans, or one) and renders each
// page when it is first needed.
class TRptEMFMaker : public QObject {
    Q_OBJECT

public:
    explicit TRptEMFMaker(QObject* parent = nullptr);
    ~TRptEMFMaker() override;

    // The hidden page, made on first use.
    TRptDesigner* MakerPage();
    // Works on an existing page (the designer's) instead of an own one.
    void UseDesign(TRptDesigner* page);
    // Loads a provider's design into the hidden page and makes its pages.
    void SetProvider(IRptDesignProvider* provider);
    QString Caption() const;

    int ResolutionX() const { return resolutionX_; }
    int ResolutionY() const { return resolutionY_; }
    int BaseResolution() const { return baseResolution_; }
    void SetResolutionX(int dpi);
    void SetResolutionY(int dpi);

    // Counts the pages again (rebuild) or only when there are none.
    void MakePages(bool rebuild);
    // Appends a page for a record (0: the first) or a slice of a flowing element.
    void AddPage(int record, std::shared_ptr<PageData> data = nullptr);
    TEMFPages& Pages() { return pages_; }

private:
    void OnePage() { AddPage(0); }
    void PagesPerRecord(TRptDSO& source);

    QPointer<TRptDesigner> page_;
    bool ownsPage_ = false;
    int resolutionX_;
    int resolutionY_;
    int baseResolution_;
    TEMFPages pages_;
};

} // namespace vevezo
