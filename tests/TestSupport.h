#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QVariant>
#include <ostream>

// Readable failure messages for Qt values.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << "bytes(" << bytes.toHex(' ').toStdString() << ')';
}
inline void PrintTo(const QVariant& value, std::ostream* os) {
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
