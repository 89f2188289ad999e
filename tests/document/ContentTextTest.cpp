#include "document/ContentText.h"

#include "ContentSamples.h"
#include "TestSupport.h"
#include "document/Compression.h"
#include "document/SixBitCode.h"
#include "document/TextCodec.h"
#include "document/XmlCons.h"

#include <gtest/gtest.h>

using namespace vevezo;

namespace {

const QString kReportSet = SampleReportSet();

} // namespace

TEST(ContentText, EachModeGivesItsForm) {
    const QByteArray compressed = Compress(EncodeText(kReportSet));
    const QVariant sixBit = PackText(kReportSet, kPackSixBit);
    ASSERT_EQ(sixBit.metaType().id(), QMetaType::QString);
    EXPECT_EQ(sixBit.toString(), EncodeSixBit(compressed));
    EXPECT_TRUE(sixBit.toString().startsWith(u'p')); // the zlib header 78 DA

    const QVariant hex = PackText(kReportSet, kPackHex);
    ASSERT_EQ(hex.metaType().id(), QMetaType::QString);
    EXPECT_EQ(hex.toString(), BytesToHex(compressed));
    EXPECT_TRUE(hex.toString().startsWith(QStringLiteral("78DA")));

    for (const int mode : {1, 255, 257, -1}) {
        const QVariant bytes = PackText(kReportSet, mode);
        ASSERT_EQ(bytes.metaType().id(), QMetaType::QByteArray) << mode;
        EXPECT_EQ(Decompress(bytes.toByteArray()), EncodeText(kReportSet)) << mode;
    }
}

TEST(ContentText, EveryFormUnpacksAgain) {
    QString longText;
    for (int i = 0; i < 500; ++i) {
        longText += QStringLiteral("第%1行 line %1\r\n").arg(i);
    }
    for (const QString& text : {kReportSet, longText, QStringLiteral("x")}) {
        const QString sixBit = PackText(text, kPackSixBit).toString();
        const QString hex = PackText(text, kPackHex).toString();
        EXPECT_EQ(UnpackText(sixBit, true), text);
        EXPECT_EQ(UnpackText(WrapLines(sixBit), true), text);
        EXPECT_EQ(UnpackText(hex, true), text);
        EXPECT_EQ(UnpackText(WrapLines(hex), true), text);
        EXPECT_EQ(UnpackText(hex.toLower(), true), text);
        EXPECT_EQ(UnpackText(PackText(text, 1), false), text);
    }
}

TEST(ContentText, HexadecimalStopsAtABraceOrOtherText) {
    const QString hex = PackText(kReportSet, kPackHex).toString();
    EXPECT_EQ(UnpackText(hex + QStringLiteral("}ignored 1234"), true), kReportSet);
    EXPECT_EQ(UnpackText(hex + QStringLiteral("\r\n} more"), true), kReportSet);
    // A brace in the middle cuts the stream short: what is left does not inflate.
    EXPECT_EQ(UnpackText(hex.left(40) + QStringLiteral("}") + hex.mid(40), true), QString());
}

TEST(ContentText, AnyFailureGivesEmptyText) {
    const QString sixBit = PackText(kReportSet, kPackSixBit).toString();
    const QByteArray bytes = PackText(kReportSet, 1).toByteArray();
    const struct {
        QVariant value;
        bool isText;
    } cases[] = {
        {QString(), true},
        {QStringLiteral("not content text at all"), true},
        {QStringLiteral("414243"), true},       // hexadecimal, but not a zlib stream
        {sixBit.left(sixBit.size() / 2), true}, // truncated
        {QVariant(), false},
        {QByteArray(), false},
        {bytes.left(bytes.size() - 1), false}, // checksum cut off
        {QVariant(sixBit), false},             // a string where bytes are expected
        {QVariant(42), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnpackText(c.value, c.isText), QString()) << c.value.toString().toStdString();
    }
}

TEST(ContentText, OversizedContentGivesEmptyText) {
    const QString big(200 * 1024, u'a');
    const QVariant sixBit = PackText(big, kPackSixBit);
    EXPECT_EQ(UnpackText(sixBit, true, 64 * 1024), QString());
    EXPECT_EQ(UnpackText(PackText(big, 1), false, 64 * 1024), QString());
    EXPECT_EQ(UnpackText(sixBit, true), big);
}
