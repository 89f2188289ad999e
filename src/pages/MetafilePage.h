#pragma once

#include "pages/Canvas.h"

#include <QPainter>
#include <QPicture>
#include <QSize>
#include <memory>

namespace vevezo {

// A recorded page: drawn once at its pixel size (design resolution) and replayed, scaled, into
// any rectangle of any canvas.
class MetafilePage {
public:
    explicit MetafilePage(QSize pixelSize);
    ~MetafilePage();
    MetafilePage(const MetafilePage&) = delete;
    MetafilePage& operator=(const MetafilePage&) = delete;

    QSize Size() const { return size_; }
    // Starts a new recording (dropping any earlier one) and answers the canvas to draw on.
    Canvas& Begin();
    // Ends the recording; the page can then be played.
    void End();
    // Drops the recording.
    void Discard();
    bool IsRecording() const { return painter_ != nullptr; }
    bool IsEmpty() const { return picture_.isNull(); }
    const QPicture& Picture() const { return picture_; }

    // Replays the page scaled into the rectangle.
    void Play(Canvas& canvas, const PixelRect& target) const;

private:
    QSize size_;
    QPicture picture_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<Canvas> canvas_;
};

} // namespace vevezo
