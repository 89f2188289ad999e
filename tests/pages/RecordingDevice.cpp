#include "pages/RecordingDevice.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace {

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QList<RecordedOp> ops;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            RecordRect(QRectF(rects[i]));
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            RecordRect(rects[i]);
        }
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            RecordedOp op = Op(RecordedOp::Lines);
            op.points << lines[i].p1() << lines[i].p2();
            ops << op;
        }
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            RecordedOp op = Op(RecordedOp::Lines);
            op.points << lines[i].p1() << lines[i].p2();
            ops << op;
        }
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        RecordedOp op = Op(mode == PolylineMode ? RecordedOp::Polyline : RecordedOp::Polygon);
        for (int i = 0; i < count; ++i) {
            op.points << points[i];
        }
        ops << op;
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        QPolygonF converted;
        for (int i = 0; i < count; ++i) {
            converted << QPointF(points[i]);
        }
        drawPolygon(converted.constData(), count, mode);
    }
    void drawPath(const QPainterPath& path) override {
        RecordedOp op = Op(RecordedOp::Path);
        op.rect = path.boundingRect();
        ops << op;
    }
    void drawPoints(const QPointF* points, int count) override {
        RecordedOp op = Op(RecordedOp::Points);
        for (int i = 0; i < count; ++i) {
            op.points << points[i];
        }
        ops << op;
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        RecordedOp op = Op(RecordedOp::Text);
        op.position = p;
        op.text = item.text();
        op.font = item.font();
        ops << op;
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
        RecordedOp op = Op(RecordedOp::Pixmap);
        op.rect = r;
        ops << op;
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        RecordedOp op = Op(RecordedOp::Image);
        op.rect = r;
        ops << op;
    }

private:
    RecordedOp Op(RecordedOp::Kind kind) const {
        RecordedOp op;
        op.kind = kind;
        const QPainter* p = painter();
        op.penColor = p->pen().color();
        op.penStyle = p->pen().style();
        op.penWidth = p->pen().widthF();
        op.brushStyle = p->brush().style();
        op.brushColor = p->brush().color();
        op.font = p->font();
        op.clipped = p->hasClipping();
        if (op.clipped) {
            op.clip = p->clipBoundingRect();
        }
        return op;
    }
    void RecordRect(const QRectF& r) {
        RecordedOp op = Op(RecordedOp::Rects);
        op.rect = r;
        ops << op;
    }
};

} // namespace

RecordingDevice::RecordingDevice(QSize size, int dpi)
    : size_(size), dpi_(dpi), engine_(std::make_unique<RecordingEngine>()) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

const QList<RecordedOp>& RecordingDevice::Ops() const {
    return static_cast<RecordingEngine*>(engine_.get())->ops;
}

QList<RecordedOp> RecordingDevice::OpsOf(RecordedOp::Kind kind) const {
    QList<RecordedOp> result;
    for (const RecordedOp& op : Ops()) {
        if (op.kind == kind) {
            result << op;
        }
    }
    return result;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return size_.width() * 254 / (dpi_ * 10);
    case PdmHeightMM:
        return size_.height() * 254 / (dpi_ * 10);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0x7fffffff;
    default:
        return QPaintDevice::metric(metric);
    }
}
