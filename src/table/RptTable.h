#pragma once

#include "document/VerbatimElement.h"

namespace vevezo {

// The data-driven table. Its cells and rows are kept as written until the table is interpreted.
class TRptTable : public VerbatimElement {
    Q_OBJECT

public:
    explicit TRptTable(TRptDesigner* page)
        : VerbatimElement(page, {"AbsoluteLeft", "AbsoluteTop", "AbsoluteWidth",
                                 "AbsoluteHeight", true}) {}

    MotherType ElementType() const override { return mmGrid; }
    const char* XmlTag() const override { return "table"; }
};

} // namespace vevezo
