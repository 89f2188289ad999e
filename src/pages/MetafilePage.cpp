#include "pages/MetafilePage.h"

namespace vevezo {

MetafilePage::MetafilePage(QSize pixelSize) : size_(pixelSize) {}

MetafilePage::~MetafilePage() {
    End();
}

Canvas& MetafilePage::Begin() {
    Discard();
    picture_ = QPicture();
    painter_ = std::make_unique<QPainter>(&picture_);
    canvas_ = std::make_unique<Canvas>(*painter_);
    return *canvas_;
}

void MetafilePage::End() {
    if (!painter_) {
        return;
    }
    canvas_.reset();
    painter_->end();
    painter_.reset();
    // The page keeps its size however much of it was drawn on.
    picture_.setBoundingRect(QRect(QPoint(0, 0), size_));
}

void MetafilePage::Discard() {
    canvas_.reset();
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    picture_ = QPicture();
}

void MetafilePage::Play(Canvas& canvas, const PixelRect& target) const {
    if (!IsRecording()) {
        canvas.StretchDraw(target, picture_);
    }
}

} // namespace vevezo
