#include "providers/RptDocs.h"

namespace vevezo {

TRptDocs::TRptDocs(QObject* parent) : QObject(parent) {}

TRptDocs::~TRptDocs() = default;

TRptDoc* TRptDocs::Insert(int index) {
    auto provider = std::make_shared<TRptDoc>();
    provider->SetOwner(this);
    if (index < 0 || index >= Count()) {
        items_.append(provider);
    } else {
        items_.insert(index, provider);
    }
    return provider.get();
}

void TRptDocs::Clear() {
    items_.clear();
}

void TRptDocs::Delete(int index) {
    if (index >= 0 && index < Count()) {
        items_.removeAt(index);
    }
}

TRptDoc* TRptDocs::Items(int index) const {
    return Item(index).get();
}

RptDocPtr TRptDocs::Item(int index) const {
    return index >= 0 && index < Count() ? items_[index] : nullptr;
}

void TRptDocs::SetItems(int index, TRptDoc* provider) {
    if (TRptDoc* item = Items(index)) {
        item->AssignFrom(provider);
    }
}

int TRptDocs::IndexOfProvider(TRptDoc* provider) const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[i].get() == provider) {
            return i;
        }
    }
    return -1;
}

TRptDoc* TRptDocs::ProviderByID(int id) const {
    for (const RptDocPtr& item : items_) {
        if (item->ID() == id) {
            return item.get();
        }
    }
    return nullptr;
}

void TRptDocs::SetSingleDataSources(int value) {
    if ((value != 0) == (single_ != 0)) {
        return;
    }
    if (value != 0) {
        sources_ = std::make_shared<TRptDSOs>();
        single_ = value;
        for (const RptDocPtr& item : items_) {
            item->SetDataSources(sources_);
        }
    } else {
        single_ = 0;
    }
}

} // namespace vevezo
