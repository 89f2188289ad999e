#pragma once

#include "document/RptFont.h"

#include <QObject>

namespace vevezo {

// The canvas's current font. Its published properties are the names scripts use; size and
// height follow each other at the font's pixels per inch.
class CanvasFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Pitch READ Pitch WRITE SetPitch)
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)

public:
    const RptFont& Value() const { return font_; }
    void Assign(const RptFont& font) { font_ = font; }

    QString Name() const { return font_.face; }
    void SetName(const QString& name) { font_.face = name; }
    int Size() const { return font_.size; }
    void SetSize(int points) { font_.SetSize(points); }
    int Height() const { return font_.height; }
    void SetHeight(int pixels) { font_.SetHeight(pixels); }
    TColor Color() const { return font_.color; }
    void SetColor(TColor color) { font_.color = color; }
    // FontStyleBit bits.
    int Style() const { return static_cast<int>(font_.style); }
    void SetStyle(int style) { font_.style = static_cast<unsigned>(style) & 0xFu; }
    int Pitch() const { return font_.pitch; }
    void SetPitch(int pitch) { font_.pitch = pitch; }
    int Charset() const { return font_.charset; }
    void SetCharset(int charset) { font_.charset = charset; }
    int PixelsPerInch() const { return font_.pixelsPerInch; }
    void SetPixelsPerInch(int value) { font_.SetPixelsPerInch(value); }

private:
    RptFont font_;
};

} // namespace vevezo
