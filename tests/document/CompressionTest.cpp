#include "document/Compression.h"

#include "TestSupport.h"
#include "common/Error.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

// Adler-32 as RFC 1950 defines it, written out so that the trailer is checked independently.
quint32 Adler32(const QByteArray& bytes) {
    quint32 a = 1;
    quint32 b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<unsigned char>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

quint32 BigEndian32(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

QByteArray SampleText() {
    QByteArray text;
    for (int i = 0; i < 200; ++i) {
        text += "<Item Name=\"" + QByteArray::number(i * 7919 % 1000) + "\"/>";
    }
    return text;
}

} // namespace

TEST(Compression, WritesOneZlibStreamAtTheBestLevel) {
    const QByteArray text = SampleText();
    const QByteArray stream = Compress(text);
    ASSERT_GE(stream.size(), 6);
    const auto cmf = static_cast<unsigned char>(stream[0]);
    const auto flg = static_cast<unsigned char>(stream[1]);
    EXPECT_EQ(cmf, 0x78);   // deflate, 32 KiB window
    EXPECT_EQ(flg >> 6, 3); // level flag: best compression
    EXPECT_EQ((cmf * 256 + flg) % 31, 0);
    EXPECT_EQ(BigEndian32(stream, stream.size() - 4), Adler32(text));
    EXPECT_LT(stream.size(), text.size() / 2);
    EXPECT_EQ(Decompress(stream), text);
    EXPECT_EQ(Decompress(Compress(QByteArray())), QByteArray());
}

TEST(Compression, ReadsAStreamWrittenByHand) {
    // A stored block: header 78 01, final stored block of 5 bytes, the bytes, Adler-32.
    const QByteArray stream = QByteArray::fromHex("7801"
                                                  "01"
                                                  "0500faff") +
                              "hello" + QByteArray::fromHex("062c0215");
    EXPECT_EQ(Decompress(stream), QByteArray("hello"));
    // Bytes after the end of the stream are not part of it.
    EXPECT_EQ(Decompress(stream + "trailing"), QByteArray("hello"));
}

TEST(Compression, TruncatedOrCorruptStreamsThrow) {
    const QByteArray stream = Compress(SampleText());
    for (qsizetype size = 0; size < stream.size(); ++size) {
        EXPECT_THROW(Decompress(stream.left(size)), Error) << size;
    }
    QByteArray wrongChecksum = stream;
    wrongChecksum[wrongChecksum.size() - 1] = static_cast<char>(wrongChecksum.back() ^ 1);
    EXPECT_THROW(Decompress(wrongChecksum), Error);
    EXPECT_THROW(Decompress(QByteArray("plain text, not a stream")), Error);
    try {
        Decompress(stream.left(stream.size() / 2));
        ADD_FAILURE() << "a truncated stream inflated";
    } catch (const Error& error) {
        EXPECT_FALSE(error.text().isEmpty());
    }
}

TEST(Compression, InflatingStopsAtTheLimit) {
    const QByteArray bomb = Compress(QByteArray(4 * 1024 * 1024, 'a'));
    ASSERT_LT(bomb.size(), 8 * 1024);
    EXPECT_THROW(Decompress(bomb, 64 * 1024), Error);
    try {
        Decompress(bomb, 1000);
        ADD_FAILURE() << "the bomb inflated";
    } catch (const Error& error) {
        EXPECT_TRUE(error.text().contains(QStringLiteral("1000"))) << error.what();
    }
    const QByteArray text = SampleText();
    const QByteArray stream = Compress(text);
    EXPECT_EQ(Decompress(stream, text.size()), text);
    EXPECT_THROW(Decompress(stream, text.size() - 1), Error);
    EXPECT_GE(kMaxInflatedSize, qsizetype(512) * 1024 * 1024);
}
