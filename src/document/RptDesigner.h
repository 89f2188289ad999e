#pragma once

#include "document/ComponentNames.h"
#include "document/RptElement.h"
#include "document/RptFont.h"
#include "document/RptInterfaces.h"
#include "document/SizeMargins.h"
#include "document/ValueBinding.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QVariant>
#include <vector>

class QPaintDevice;

namespace vevezo {

enum TPageMergeMode : int { pmmNone = 0, pmmCopy = 1, pmmCombine = 2 };
enum PrinterOrientation : int { poPortrait = 0, poLandscape = 1 };

// One report page: paper, margins, the ordered elements, the report script, and the reading and
// writing of its design XML. A plain model: views show it, page makers render it.
class TRptDesigner : public QObject, public IRptPageInfoEnumerator {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(double Version READ Version)
    Q_PROPERTY(double FileVersion READ FileVersion)
    Q_PROPERTY(int PaperWidth READ PaperWidth)
    Q_PROPERTY(int PaperHeight READ PaperHeight)
    Q_PROPERTY(int PaperConst READ PaperConst WRITE SetPaperConst)
    Q_PROPERTY(int Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(int PageMergeMode READ PageMergeMode WRITE SetPageMergeMode)
    Q_PROPERTY(int PageMergeOrient READ PageMergeOrient WRITE SetPageMergeOrient)
    Q_PROPERTY(int PageMergeCount READ PageMergeCount WRITE SetPageMergeCount)
    Q_PROPERTY(int PageMergeLine READ PageMergeLine WRITE SetPageMergeLine)
    Q_PROPERTY(vevezo::TSizeMargins* Margins READ Margins)
    Q_PROPERTY(bool MainDocLarge READ MainDocLarge WRITE SetMainDocLarge)
    Q_PROPERTY(bool Dirty READ Dirty WRITE SetDirty)
    Q_PROPERTY(bool ShowSource READ ShowSource WRITE SetShowSource)
    Q_PROPERTY(int PreviewRow READ PreviewRow WRITE SetPreviewRow)
    Q_PROPERTY(int PreviewSubRow READ PreviewSubRow WRITE SetPreviewSubRow)

public:
    static constexpr double kVersion = 2.2;

    // A page created in code starts at 0 x 0 until a design or a caller sets the paper.
    explicit TRptDesigner(QObject* parent = nullptr);
    ~TRptDesigner() override;

    // --- page fields ---------------------------------------------------------------------------
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    double Version() const { return kVersion; }
    double FileVersion() const { return fileVersion_; }
    int PaperWidth() const { return paperWidth_; }
    int PaperHeight() const { return paperHeight_; }
    int PaperConst() const { return paperConst_; }
    void SetPaperConst(int value) { paperConst_ = static_cast<quint16>(value); }
    int Orientation() const { return orientation_; }
    void SetOrientation(int value) { orientation_ = value; }
    int PageMergeMode() const { return pageMergeMode_; }
    void SetPageMergeMode(int value) { pageMergeMode_ = value; }
    int PageMergeOrient() const { return pageMergeOrient_; }
    void SetPageMergeOrient(int value) { pageMergeOrient_ = value; }
    int PageMergeCount() const { return pageMergeCount_; }
    void SetPageMergeCount(int value) { pageMergeCount_ = value; }
    int PageMergeLine() const { return pageMergeLine_; }
    void SetPageMergeLine(int value) { pageMergeLine_ = static_cast<quint8>(value); }
    TSizeMargins* Margins() const { return margins_; }
    bool MainDocLarge() const { return mainDocLarge_; }
    void SetMainDocLarge(bool value) { mainDocLarge_ = value; }
    // The font elements take over unless they carry their own: "宋体" 9 points, GB2312.
    const RptFont& Font() const { return font_; }

    // Stores the paper size and resizes the page; nothing when both values are unchanged.
    void SetPaperSize(int width, int height);
    // The paper in design pixels (the page's client area; the page adds a one-pixel frame).
    QRect ClientRect() const;
    // The client area less the margins (and the binding on its side).
    QRect GetContentRect() const;
    // Lays the docked elements out inside the content rectangle.
    void AlignElements();

    // --- visibility and state --------------------------------------------------------------------
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Dirty() const { return dirty_; }
    // Stores the flag; notifies OnReportDirty unless updates are locked.
    void SetDirty(bool value);
    void BeginUpdate() { ++updateLock_; }
    void EndUpdate();
    int UpdateLock() const { return updateLock_; }

    // --- elements --------------------------------------------------------------------------------
    const QList<TRptElement*>& Elements() const { return elements_; }
    bool HasMainElement() const { return hasMainElement_; }
    // Notifies OnElementAdded, appends the element and applies the main-element rule.
    void AddElement(TRptElement* element, int type);
    // Notifies OnElementDelete and takes the element out of the list (it is not freed).
    void RemoveElement(TRptElement* element, int type);
    // Removes and frees every element, last first.
    void ClearElements();
    // The first table or rich-text element carrying the main flag.
    TRptElement* MainElement() const;
    // Whether a component of the page carries the name (letter case ignored).
    bool IsNameTaken(const QString& name) const { return names_.Contains(name); }
    // Makes the element the last (front) or the first (back) in painting order.
    void BringToFront(TRptElement* element, bool front);
    // The class name without its leading "T" and the first free number: RptText1, RptTable3.
    QString MakeElementName(const QString& className);

    static int ElementTypeOf(const QObject* object);
    static QString ElementFriendlyName(const QString& name);

    // --- design XML --------------------------------------------------------------------------------
    QString GetDesignXML() const;
    // Rebuilds the page from a design. False, with the page unchanged, when the text does not
    // parse or holds no BVReport element. A malformed number or colour throws ConvertError after
    // releasing the update lock; the elements read so far stay.
    bool LoadDesignXML(const QString& text);

    // --- report script ------------------------------------------------------------------------------
    int ScriptType() const { return scriptType_; }
    const QString& ScriptCode() const { return scriptCode_; }
    void SetScript(int type, const QString& code);

    // --- provider, values and page information ------------------------------------------------------
    IRptDesignProvider* Provider() const { return provider_; }
    // Hands a changed design back to the old provider and loads the new one's design.
    void SetProvider(IRptDesignProvider* provider);
    bool ShowSource() const { return showSource_; }
    void SetShowSource(bool value);
    int PreviewRow() const { return previewRow_; }
    void SetPreviewRow(int value) { previewRow_ = value; }
    int PreviewSubRow() const { return previewSubRow_; }
    void SetPreviewSubRow(int value) { previewSubRow_ = value; }

    // The page maker installs a handler while it renders; without one every answer is 0.
    void SetPageInfoHandler(IRptPageInfoEnumerator* handler) { pageInfoHandler_ = handler; }
    int GetPageInfo(int code) override;
    QVariant GetRptSourceData(const QObject* element, int elementType, int dataType,
                              const QString& dataSource, const QString& dataField,
                              int formatType, const QString& format, int row, int subRow);
    // GetRptSourceData as the lookup elements draw with.
    ValueLookup SourceDataLookup();

    // --- devices -------------------------------------------------------------------------------------
    // The ratio of a device's physical to logical resolution, cached per device (the screen's
    // when none is given); 1 for printers.
    double DpiRate(const QPaintDevice* device);
    // Re-fits the font to the device's resolution, keeping its point size.
    void AdjustFontToDevice(RptFont& font, const QPaintDevice* device);

signals:
    void OnReportDirty();
    void OnPaperSizeChanged();
    void OnElementAdded(vevezo::TRptDesigner* sender, vevezo::TRptElement* element, int type);
    void OnElementDelete(vevezo::TRptDesigner* sender, vevezo::TRptElement* element, int type);
    // The page's look changed (margins, shown data): views paint it again.
    void Changed();

protected:
    void childEvent(QChildEvent* event) override;

private:
    void MarginsChanged();
    void ReadPageAttributes(xml::Node root);
    void ReadElements(xml::Node root);
    TRptElement* CreateElementFor(xml::Node node);

    QString title_;
    double fileVersion_ = kVersion;
    int paperWidth_ = 0;
    int paperHeight_ = 0;
    quint16 paperConst_ = 9;
    int orientation_ = poPortrait;
    int pageMergeMode_ = pmmNone;
    int pageMergeOrient_ = 0;
    int pageMergeCount_ = 2;
    quint8 pageMergeLine_ = 1;
    TSizeMargins* margins_ = nullptr;
    bool mainDocLarge_ = false;
    RptFont font_;
    int scriptType_ = 0;
    QString scriptCode_;
    QList<TRptElement*> elements_;
    bool hasMainElement_ = false;
    bool aligning_ = false;
    bool loading_ = false;
    ComponentNames names_;
    bool dirty_ = false;
    int updateLock_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    IRptDesignProvider* provider_ = nullptr;
    IRptPageInfoEnumerator* pageInfoHandler_ = nullptr;
    bool showSource_ = false;
    int previewRow_ = 1;
    int previewSubRow_ = 1;
    std::vector<std::pair<const QPaintDevice*, double>> dpiRates_;
};

} // namespace vevezo
