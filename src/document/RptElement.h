#pragma once

#include "document/PageData.h"
#include "document/XmlDocument.h"

#include <QObject>
#include <QRect>

namespace vevezo {

class TRptDesigner;

// Element type codes.
enum MotherType : int { mmNone = 0, mmText = 1, mmImage = 2, mmGrid = 3, mmDoc = 4 };

// Docking of an element inside the page's content rectangle.
enum TAlign : int { alNone = 0, alTop = 1, alBottom = 2, alLeft = 3, alRight = 4, alClient = 5 };

// What every element of a report page shares: a name unique within the page, bounds in design
// pixels relative to the page's client area, docking, and its share of the design XML.
class TRptElement : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Align READ Align WRITE SetAlign)

public:
    // The element is owned by the page, which frees it.
    explicit TRptElement(TRptDesigner* page);

    virtual MotherType ElementType() const = 0;
    // The tag the element is written as ("div", "table", "img").
    virtual const char* XmlTag() const = 0;
    // Writes the element's attributes and content into its (already created) node.
    virtual void WriteXml(xml::Node node) const = 0;
    // Reads attributes and content; malformed numbers and colours throw ConvertError.
    virtual void ReadXml(xml::Node node) = 0;

    // The main flag: only tables and rich-text elements carry one.
    virtual bool IsMain() const { return false; }
    virtual void SetMainFlag(bool) {}

    // Draws the element onto one page. Elements kept as written draw nothing yet.
    virtual void Render(Canvas&, const PageRendering&) {}
    // A main element splits itself into pages through `addPage`; false when it does not (the
    // report then has one page).
    virtual bool PlanPages(const PagePlanning&) { return false; }

    QString Name() const { return objectName(); }
    TRptDesigner* Page() const { return page_; }

    const QRect& Bounds() const { return bounds_; }
    void SetBounds(const QRect& bounds);
    int Left() const { return bounds_.left(); }
    int Top() const { return bounds_.top(); }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    void SetLeft(int value) { SetBounds(QRect(value, Top(), Width(), Height())); }
    void SetTop(int value) { SetBounds(QRect(Left(), value, Width(), Height())); }
    void SetWidth(int value) { SetBounds(QRect(Left(), Top(), value, Height())); }
    void SetHeight(int value) { SetBounds(QRect(Left(), Top(), Width(), value)); }

    int Align() const { return align_; }
    void SetAlign(int align);

protected:
    // Marks the page's design changed.
    void MarkDirty();
    // Writes ID, Left, Top, Width, Height and AlignPos (when docked).
    void WriteCommonXml(xml::Node node) const;
    // Reads Left, Top, Width and Height (strict integers) over the current bounds, then AlignPos.
    void ReadBoundsXml(xml::Node node, const char* left, const char* top, const char* width,
                       const char* height);

private:
    TRptDesigner* page_;
    QRect bounds_;
    int align_ = alNone;
};

// Reads an optional strict integer attribute; absent leaves the value, malformed throws.
void ReadIntAttr(xml::Node node, const char* name, int& value);
// An optional strict integer attribute with a default for a missing or malformed value.
int IntAttrOr(xml::Node node, const char* name, int fallback);
// Reads an optional integer flag (non-zero is true); absent leaves the value, malformed throws.
void ReadBoolAttr(xml::Node node, const char* name, bool& value);

} // namespace vevezo
