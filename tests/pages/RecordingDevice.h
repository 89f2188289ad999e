#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <memory>

// One painting operation as the painter handed it to the device, with the painter's state at
// that moment. Coordinates are as drawn, before the painter's transformation.
struct RecordedOp {
    enum Kind { Rects, Lines, Polygon, Polyline, Path, Points, Text, Image, Pixmap };
    Kind kind = Rects;
    QPolygonF points; // corner points of rectangles, line ends, polygon points
    QRectF rect;      // rectangles: the first one; images: the target
    QString text;     // text items
    QPointF position; // text items: the baseline start
    QFont font;
    QColor penColor;
    Qt::PenStyle penStyle = Qt::SolidLine;
    qreal penWidth = 0;
    Qt::BrushStyle brushStyle = Qt::NoBrush;
    QColor brushColor;
    bool clipped = false;
    QRectF clip; // painter's clip bounding rectangle, when clipped
};

// A paint device that draws nothing and records every operation, at a chosen resolution.
class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size = QSize(800, 600), int dpi = 96);
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    const QList<RecordedOp>& Ops() const;
    // Only the operations of one kind.
    QList<RecordedOp> OpsOf(RecordedOp::Kind kind) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    int dpi_;
    std::unique_ptr<QPaintEngine> engine_;
};
