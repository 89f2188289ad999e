#pragma once

#include "document/VerbatimElement.h"

namespace vevezo {

// The picture element. Its picture and settings are kept as written until it is interpreted.
class TRptImage : public VerbatimElement {
    Q_OBJECT

public:
    explicit TRptImage(TRptDesigner* page)
        : VerbatimElement(page, {"Left", "Top", "Width", "Height", false}) {}

    MotherType ElementType() const override { return mmImage; }
    const char* XmlTag() const override { return "img"; }
};

} // namespace vevezo
