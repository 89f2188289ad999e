#include "document/SixBitCode.h"

#include "ContentSamples.h"
#include "TestSupport.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace vevezo;

namespace {

QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

} // namespace

TEST(SixBitCode, EncodesBitsMostSignificantFirstPaddedWithZeros) {
    const struct {
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {QByteArray(), ""},
        {QByteArray(1, '\0'), "aa"},                          // 000000 00(0000)
        {QByteArray("\xFC"), "=a"},                           // 111111 00(0000)
        {QByteArray("\x78\xDA"), "pGu"},                      // 011110 001101 1010(00)
        {QByteArray("\xFF\xFF\xFF"), "===="},                 // four groups of 63
        {QByteArray("\x08\x20\x82"), "bbbb"},                 // four groups of 2
        {QByteArray("\x04\x20\xC4"), "AbBc"},                 // groups 1, 2, 3 and 4
        {QByteArray("\xD3\x5D\xB7\xE3\x9E\xBE"), "0123456+"}, // groups 52..58 and 62
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeSixBit(c.bytes), QString::fromLatin1(c.text)) << c.text;
        EXPECT_EQ(DecodeSixBit(QString::fromLatin1(c.text)), c.bytes) << c.text;
    }
}

TEST(SixBitCode, DecodingSkipsOtherCharactersAndDropsLeftoverBits) {
    const struct {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"p\r\nG u", QByteArray("\x78\xDA")},
        {"p", QByteArray()},                         // 6 bits: no complete byte
        {"pG", QByteArray("\x78")},                  // 12 bits: one byte, 4 dropped
        {"-p.G_u!", QByteArray("\x78\xDA")},         // punctuation outside the alphabet
        {"\xE6\x8A\xA5pGu", QByteArray("\x78\xDA")}, // a Chinese character is skipped
        {"", QByteArray()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeSixBit(QString::fromUtf8(c.text)), c.bytes) << c.text;
    }
}

TEST(SixBitCode, EveryLengthRoundTripsAlsoWithLineBreaksEvery76Characters) {
    for (qsizetype size = 0; size <= 300; ++size) {
        const QByteArray bytes = RandomBytes(size, static_cast<quint32>(size) + 1);
        const QString text = EncodeSixBit(bytes);
        ASSERT_EQ(text.size(), (size * 8 + 5) / 6) << size;
        EXPECT_EQ(DecodeSixBit(text), bytes) << size;
        EXPECT_EQ(DecodeSixBit(WrapLines(text)), bytes) << size;
    }
}
