#pragma once

#include "document/RptElement.h"

#include <memory>

namespace vevezo {

// An element whose content the engine does not interpret yet. It reads its name, bounds,
// docking and main flag, and keeps the rest of its XML exactly as read, so that a design passes
// through loading and saving without loss.
class VerbatimElement : public TRptElement {
    Q_OBJECT

public:
    struct Layout {
        // Attribute names of the bounds (tables write "AbsoluteLeft" and so on).
        const char* left;
        const char* top;
        const char* width;
        const char* height;
        bool hasMainFlag;
    };

    VerbatimElement(TRptDesigner* page, const Layout& layout);
    ~VerbatimElement() override;

    void WriteXml(xml::Node node) const override;
    void ReadXml(xml::Node node) override;

    bool IsMain() const override { return isMain_; }
    void SetMainFlag(bool value) override;

private:
    Layout layout_;
    bool isMain_ = false;
    std::unique_ptr<pugi::xml_document> kept_;
};

} // namespace vevezo
