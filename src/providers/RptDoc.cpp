#include "providers/RptDoc.h"

#include "providers/RptDocs.h"

#include <atomic>

namespace vevezo {

namespace {

std::atomic<int> g_lastProviderId{0};

} // namespace

TRptDoc::TRptDoc() : id_(++g_lastProviderId) {}

TRptDoc::~TRptDoc() = default;

void TRptDoc::SetXML(const QString& xml) {
    if (xml != xml_) {
        xml_ = xml;
    }
}

void TRptDoc::SetDefault(int value) {
    if ((value != 0) != (default_ != 0)) {
        default_ = value;
    }
}

std::shared_ptr<TRptDSOs> TRptDoc::DataSources() const {
    if (sources_) {
        return sources_;
    }
    return owner_ ? owner_->DataSources() : nullptr;
}

void TRptDoc::SetDataSources(std::shared_ptr<TRptDSOs> sources) {
    if (sources == sources_) {
        return;
    }
    sources_ = std::move(sources);
    ownsSources_ = false;
}

bool TRptDoc::CreateDataSources() {
    if (ownsSources_) {
        return false;
    }
    sources_ = std::make_shared<TRptDSOs>();
    ownsSources_ = true;
    return true;
}

void TRptDoc::AssignFrom(TRptDoc* source) {
    if (!source || source == this) {
        return;
    }
    name_ = source->name_;
    xml_ = source->xml_;
    tag_ = source->tag_;
    rptId_ = source->rptId_;
    fileName_ = source->fileName_;
    default_ = source->default_;
    state_ = source->state_;
    defaultChanged_ = source->defaultChanged_;
    if (owner_ && !owner_->SingleDataSources()) {
        SetDataSources(source->DataSources());
    }
}

void TRptDoc::OpenUnparsedSources(bool databaseOnly) {
    if (const std::shared_ptr<TRptDSOs> sources = DataSources()) {
        sources->OpenUnparsed(databaseOnly);
    }
}

} // namespace vevezo
