#include "document/FileContent.h"

#include "TestSupport.h"
#include "common/Error.h"
#include "common/Messages.h"
#include "document/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace vevezo;

namespace {

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

} // namespace

TEST(FileContent, WritesBytesAsTheyAreAndOtherValuesAsEightBitText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray binary("x\xDA\0\x01\xFF", 5);
    const struct {
        const char* what;
        QVariant value;
        QByteArray bytes;
    } cases[] = {
        {"bytes", binary, binary},
        {"text", QStringLiteral("<BVReports>报表</BVReports>"),
         EncodeText(QStringLiteral("<BVReports>报表</BVReports>"))},
        {"number", 42, "42"},
        {"empty", QVariant(), QByteArray()},
    };
    for (const auto& c : cases) {
        const QString name = dir.filePath(QString::fromLatin1(c.what));
        WriteFileContent(name, c.value);
        EXPECT_EQ(FileBytes(name), c.bytes) << c.what;
        EXPECT_EQ(ReadFileContent(name), c.bytes) << c.what;
    }
}

TEST(FileContent, WritingReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("月报.rpp"));
    WriteFileContent(name, QByteArray(1000, 'a'));
    WriteFileContent(name, QByteArray("short"));
    EXPECT_EQ(ReadFileContent(name), QByteArray("short"));
}

TEST(FileContent, FileThatCannotBeCreatedThrowsTheSystemsMessage) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    WriteFileContent(plainFile, QByteArray("x"));
    for (const QString& name : {dir.filePath(QStringLiteral("missing/a.zrp")),
                                plainFile + QStringLiteral("/a.zrp"), dir.path()}) {
        try {
            WriteFileContent(name, QByteArray("content"));
            ADD_FAILURE() << "wrote " << name.toStdString();
        } catch (const Error& error) {
            EXPECT_FALSE(error.text().isEmpty()) << name.toStdString();
            EXPECT_NE(error.text(), QString::fromUtf8(msg::NotSavedToFile)) << name.toStdString();
        }
    }
    EXPECT_EQ(ReadFileContent(plainFile), QByteArray("x"));
}

TEST(FileContent, WriteThatFailsAfterCreationThrowsNotSaved) {
    // A device that accepts the open but refuses every write ("no space left").
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full"));
    if (mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make a device node here";
    }
    try {
        WriteFileContent(full, QByteArray(100, 'a'));
        ADD_FAILURE() << "a write to a full device succeeded";
    } catch (const Error& error) {
        EXPECT_EQ(error.text(), QString::fromUtf8(msg::NotSavedToFile));
    }
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(full).constData(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)); // the device was written to, not replaced
}

TEST(FileContent, ReadingAMissingFileThrows) {
    QTemporaryDir dir;
    EXPECT_THROW(ReadFileContent(dir.filePath(QStringLiteral("none.zrp"))), Error);
    EXPECT_THROW(ReadFileContent(QString()), Error);
}
