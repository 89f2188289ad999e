#include "document/TextCodec.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(TextCodec, EightBitTextIsGb18030BothWays) {
    const QString text = QStringLiteral("晨岚报表 宋体 €😀 abc");
    const QByteArray bytes = EncodeText(text);
    EXPECT_EQ(bytes.left(4), QByteArray("\xB3\xBF\xE1\xB0")); // 晨岚 in GBK
    EXPECT_EQ(DecodeText(bytes), text);
}

TEST(TextCodec, Utf8IsRecognisedByMarkOrDeclaration) {
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>报表</a>");
    EXPECT_EQ(DecodeText(text.toUtf8()), text);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + QStringLiteral("报表").toUtf8()),
              QStringLiteral("报表"));
    // A declaration naming UTF-8 on bytes that are not UTF-8 falls back to the code page.
    const QByteArray gbk = "<?xml version=\"1.0\" encoding=\"utf-8\"?><a>\xB1\xA8\xB1\xED</a>";
    EXPECT_EQ(DecodeText(gbk),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><a>报表</a>"));
    // Without a mark or declaration, UTF-8 bytes are code-page bytes.
    EXPECT_NE(DecodeText(QStringLiteral("报表").toUtf8()), QStringLiteral("报表"));
}
