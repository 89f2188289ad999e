#pragma once

#include <QObject>

namespace vevezo {

class TRptDesigner;

enum TMarginBindPos : int { bpLeft = 0, bpTop = 1 };

// The page margins and the binding allowance, in tenths of a millimetre. Every setter checks the
// value against the paper of the owning page; a value that leaves no room is refused silently.
class TSizeMargins : public QObject {
    Q_OBJECT
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(int BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(int Bind READ Bind WRITE SetBind)
    Q_PROPERTY(int BindPos READ BindPos WRITE SetBindPos)

public:
    enum Index { LeftIndex = 0, TopIndex = 1, RightIndex = 2, BottomIndex = 3, BindIndex = 4 };

    explicit TSizeMargins(TRptDesigner* page);

    int LeftMargin() const { return values_[LeftIndex]; }
    int TopMargin() const { return values_[TopIndex]; }
    int RightMargin() const { return values_[RightIndex]; }
    int BottomMargin() const { return values_[BottomIndex]; }
    int Bind() const { return values_[BindIndex]; }
    int BindPos() const { return bindPos_; }

    void SetLeftMargin(int value) { SetValue(LeftIndex, value); }
    void SetTopMargin(int value) { SetValue(TopIndex, value); }
    void SetRightMargin(int value) { SetValue(RightIndex, value); }
    void SetBottomMargin(int value) { SetValue(BottomIndex, value); }
    void SetBind(int value) { SetValue(BindIndex, value); }
    void SetBindPos(int value);

    // Validates and stores one margin; answers whether the value is now in place.
    bool SetValue(int index, int value);

    // Copies the four margins (not the binding) and signals a change.
    void Assign(const TSizeMargins& other);

signals:
    void OnChange();

private:
    bool Accepts(int index, int value) const;

    TRptDesigner* page_;
    int values_[5] = {317, 254, 317, 254, 0};
    int bindPos_ = bpLeft;
};

} // namespace vevezo
