#pragma once

#include "document/ValueBinding.h"

#include <QVariant>
#include <functional>
#include <memory>

namespace vevezo {

class Canvas;
class TRptDesigner;

// What a page made by a flowing main element (a table, a rich text) remembers of its slice of
// the data. The page maker answers page information from it.
struct PageData {
    virtual ~PageData() = default;
    // Whether the page shows the main data, and whether in layers (records with nested ones).
    virtual bool MainData() const { return false; }
    virtual bool Layered() const { return false; }
    // The first and last data row shown on the page; 0 without rows.
    virtual int FirstRow() const { return 0; }
    virtual int LastRow() const { return 0; }
};

// Adds one page showing a record (0: the first) or a slice described by its page data.
using AddPageFunction = std::function<void(int record, std::shared_ptr<PageData> data)>;

// What a main element needs to split itself into pages.
struct PagePlanning {
    QVariant data;      // the main source's data (a record set or a packet), or none
    Canvas* measure;    // a canvas for measuring text
    TRptDesigner* page; // the hidden page
    ValueLookup lookup; // the page's value lookup
    double scaleX;
    double scaleY;
    AddPageFunction addPage;
};

// How an element is drawn onto one page.
struct PageRendering {
    int record;         // the page's record of the main source, from 1
    TRptDesigner* page; // the hidden page
    ValueLookup lookup; // none when the report has no data sources
    double scaleX;
    double scaleY;
    int offsetX;
    int offsetY;
    const PageData* data; // the page's slice of a flowing main element, or none
};

} // namespace vevezo
