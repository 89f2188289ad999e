#include "document/FileContent.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "document/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vevezo {

namespace {

// A file that cannot be opened (created) reports the system's own reason.
void OpenForWriting(QFileDevice& file) {
    if (!file.open(QIODevice::WriteOnly)) {
        throw Error(file.errorString());
    }
}

void WriteAll(QFileDevice& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size()) {
        throw Error(QString::fromUtf8(msg::NotSavedToFile));
    }
}

} // namespace

QByteArray ReadFileContent(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(QString::fromUtf8(msg::CannotReadFile).arg(fileName, file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw Error(QString::fromUtf8(msg::CannotReadFile).arg(fileName, file.errorString()));
    }
    return bytes;
}

void WriteFileContent(const QString& fileName, const QVariant& content) {
    const QByteArray bytes = content.metaType().id() == QMetaType::QByteArray
                                 ? content.toByteArray()
                                 : EncodeText(content.toString());
    if (const QFileInfo info(fileName); info.exists() && !info.isFile()) {
        // A device or pipe is written to, never replaced by a file.
        QFile file(fileName);
        OpenForWriting(file);
        WriteAll(file, bytes);
        if (!file.flush()) {
            throw Error(QString::fromUtf8(msg::NotSavedToFile));
        }
        return;
    }
    QSaveFile file(fileName);
    // Where no temporary file can be made beside the target (a directory we may not write to),
    // the file is written in place, as it would be without the safeguard.
    file.setDirectWriteFallback(true);
    OpenForWriting(file);
    WriteAll(file, bytes);
    if (!file.commit()) {
        throw Error(QString::fromUtf8(msg::NotSavedToFile));
    }
}

} // namespace vevezo
