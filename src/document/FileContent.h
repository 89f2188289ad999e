#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace vevezo {

// The whole file as bytes. A file that cannot be opened or read throws Error.
QByteArray ReadFileContent(const QString& fileName);

// Writes a QByteArray as it is and any other value as its text in the 8-bit code page. The
// content goes to a temporary file that replaces the old one only once everything is written,
// so a failed save never destroys the file it was meant to replace (a device or pipe is written
// to directly). A file that cannot be created throws Error with the system's message; a write
// that fails afterwards throws Error with "未能保存到文件。".
void WriteFileContent(const QString& fileName, const QVariant& content);

} // namespace vevezo
