#pragma once

#include <QByteArray>
#include <QString>

namespace vevezo {

// Text files and streams of the system are in its 8-bit code page. They are read as GB18030, a
// superset of GBK and GB2312 (so every such file reads unchanged), unless they are UTF-8 with a
// byte-order mark or an XML declaration that says so; they are written as GB18030 so that no
// character is lost.
QString DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text);

} // namespace vevezo
