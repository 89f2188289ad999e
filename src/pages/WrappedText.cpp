#include "pages/WrappedText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <cmath>

namespace vevezo {

namespace {

// The layout breaks lines only at the line separator.
QString WithLineSeparators(QString text) {
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return text;
}

constexpr int kTabCharacters = 4;

} // namespace

WrappedText::WrappedText(const QString& text, const QFont& font, QPaintDevice* device, int width,
                         bool wordBreak, Qt::Alignment alignment)
    : layout_(WithLineSeparators(text), font, device) {
    QTextOption option(alignment);
    option.setWrapMode(wordBreak ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTabStopDistance(kTabCharacters * QFontMetricsF(font, device).averageCharWidth());
    layout_.setTextOption(option);
    layout_.setCacheEnabled(true);
    qreal y = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(qMax(0, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout_.endLayout();
    height_ = static_cast<int>(std::ceil(y));
}

void WrappedText::Draw(QPainter& painter, const QPoint& topLeft, const QBrush* background) const {
    if (background) {
        for (int i = 0; i < layout_.lineCount(); ++i) {
            const QRectF area = layout_.lineAt(i).naturalTextRect().translated(topLeft);
            painter.fillRect(area.toAlignedRect(), *background);
        }
    }
    layout_.draw(&painter, topLeft);
}

} // namespace vevezo
