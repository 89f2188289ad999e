#pragma once

#include "document/VerbatimElement.h"

namespace vevezo {

// The rich-text element. Its document is kept as written until it is interpreted.
class TRptRtf : public VerbatimElement {
    Q_OBJECT

public:
    explicit TRptRtf(TRptDesigner* page)
        : VerbatimElement(page, {"Left", "Top", "Width", "Height", true}) {}

    MotherType ElementType() const override { return mmDoc; }
    const char* XmlTag() const override { return "div"; }
};

} // namespace vevezo
