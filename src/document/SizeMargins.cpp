#include "document/SizeMargins.h"

#include "document/RptDesigner.h"

namespace vevezo {

TSizeMargins::TSizeMargins(TRptDesigner* page) : QObject(page), page_(page) {}

bool TSizeMargins::Accepts(int index, int value) const {
    if (value < 0) {
        return false;
    }
    // Sums are taken in 64 bits: margins may be as large as the 32-bit range.
    const qint64 width = page_->PaperWidth();
    const qint64 height = page_->PaperHeight();
    const qint64 leftBind = bindPos_ == bpLeft ? Bind() : 0;
    const qint64 topBind = bindPos_ == bpTop ? Bind() : 0;
    switch (index) {
    case LeftIndex:
        return value < width - RightMargin() - leftBind;
    case TopIndex:
        return value < height - BottomMargin() - topBind;
    case RightIndex:
        return value < width - LeftMargin();
    case BottomIndex:
        return value < height - TopMargin();
    case BindIndex:
        return true;
    default:
        return false;
    }
}

bool TSizeMargins::SetValue(int index, int value) {
    if (index < LeftIndex || index > BindIndex) {
        return false;
    }
    if (values_[index] == value) {
        return true;
    }
    if (!Accepts(index, value)) {
        return false;
    }
    values_[index] = value;
    emit OnChange();
    return true;
}

void TSizeMargins::SetBindPos(int value) {
    if ((value != bpLeft && value != bpTop) || value == bindPos_) {
        return;
    }
    bindPos_ = value;
    emit OnChange();
}

void TSizeMargins::Assign(const TSizeMargins& other) {
    for (int i = LeftIndex; i <= BottomIndex; ++i) {
        values_[i] = other.values_[i];
    }
    emit OnChange();
}

} // namespace vevezo
