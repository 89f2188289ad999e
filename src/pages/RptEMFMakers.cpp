#include "pages/RptEMFMakers.h"

namespace vevezo {

TRptEMFMaker* TRptEMFMakers::Add() {
    auto* maker = new TRptEMFMaker(this);
    makers_.append(maker);
    return maker;
}

void TRptEMFMakers::Delete(int index) {
    if (index >= 0 && index < Count()) {
        delete makers_.takeAt(index);
    }
}

void TRptEMFMakers::Clear() {
    while (!makers_.isEmpty()) {
        delete makers_.takeLast();
    }
}

bool TRptEMFMakers::AnyTiled() const {
    for (TRptEMFMaker* maker : makers_) {
        if (maker->MakerPage()->PageMergeMode() != pmmNone) {
            return true;
        }
    }
    return false;
}

int TRptEMFMakers::TotalPages() const {
    int total = 0;
    for (TRptEMFMaker* maker : makers_) {
        total += maker->Pages().Count();
    }
    return total;
}

void TRptEMFMakers::SetRunOn(bool on) {
    runOn_ = on;
    const int total = on ? TotalPages() : 0;
    int offset = 0;
    for (TRptEMFMaker* maker : makers_) {
        maker->Pages().TotalOverride = total;
        maker->Pages().NumberOffset = offset;
        if (on) {
            offset += maker->Pages().Count();
        }
    }
}

} // namespace vevezo
