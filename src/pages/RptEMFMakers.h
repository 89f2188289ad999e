#pragma once

#include "pages/RptEMFMaker.h"

#include <QList>
#include <QObject>

namespace vevezo {

// The page makers of all reports of an opened report set, numbering their pages one by one or
// as one run.
class TRptEMFMakers : public QObject {
    Q_OBJECT

public:
    explicit TRptEMFMakers(QObject* parent = nullptr) : QObject(parent) {}
    ~TRptEMFMakers() override { Clear(); }

    int Count() const { return static_cast<int>(makers_.size()); }
    TRptEMFMaker* Items(int index) const {
        return index >= 0 && index < Count() ? makers_[index] : nullptr;
    }
    TRptEMFMaker* Add();
    void Delete(int index);
    // Deletes the makers from the last to the first.
    void Clear();
    int IndexOf(const TRptEMFMaker* maker) const { return makers_.indexOf(maker); }
    // Whether any report tiles several pages on a sheet.
    bool AnyTiled() const;
    int TotalPages() const;
    // Numbers the pages of all reports as one run (on) or each report from 1 (off).
    void SetRunOn(bool on);
    bool RunOn() const { return runOn_; }

private:
    QList<TRptEMFMaker*> makers_;
    bool runOn_ = false;
};

} // namespace vevezo
