#include "data/FormatValue.h"

#include "PinnedSettings.h"
#include "TestSupport.h"
#include "common/Error.h"
#include "common/VariantType.h"
#include "data/BoolText.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <limits>

using namespace vevezo;

namespace {

QVariant Format(const char* format, const QVariant& value) {
    return FormatValue(QString::fromUtf8(format), value, PinnedSettings());
}

QVariant Text(const char* text) {
    return QVariant(QString::fromUtf8(text));
}

} // namespace

TEST(FormatValue, NumbersOfEveryNumericTypeUseTheNumberPattern) {
    const QVariant values[] = {
        QVariant::fromValue(short(1234)),
        QVariant(1234),
        QVariant(1234.0f),
        QVariant(1234.0),
        QVariant::fromValue(Currency{12340000}),
        QVariant::fromValue(quint16(1234)),
        QVariant::fromValue(quint32(1234)),
        QVariant::fromValue(qint64(1234)),
        QVariant::fromValue(quint64(1234)),
    };
    for (const QVariant& value : values) {
        EXPECT_EQ(Format("#,##0.00", value), Text("1,234.00")) << value.typeName();
    }
    EXPECT_EQ(Format("0", QVariant::fromValue(uchar(200))), Text("200"));
}

TEST(FormatValue, SingleUsesItsOwnPrecision) {
    EXPECT_EQ(Format("0.000000000", QVariant(0.1f)), Text("0.100000000"));
    EXPECT_EQ(Format("0.000000000", QVariant(double(0.1f))), Text("0.100000001"));
}

TEST(FormatValue, MoneyTextByTheValueNotItsType) {
    EXPECT_EQ(Format("$", QVariant::fromValue(Currency::FromDouble(1234.5))),
              Format("$", QVariant(1234.5)));
    EXPECT_EQ(Format("$", QVariant(1234.5)), Text("壹仟贰佰叁拾肆圆伍角"));
    EXPECT_EQ(Format("$", QVariant(-8)), Text("负捌圆整"));
    EXPECT_EQ(Format("$", QVariant::fromValue(qint64(100010000))), Text("壹亿零壹万圆整"));
    // Strings are not numbers: they come back as they are.
    EXPECT_EQ(Format("$", Text("1234.5")), Text("1234.5"));
}

TEST(FormatValue, DatesOfEveryKind) {
    const QString pattern = QStringLiteral("yyyy'年'm'月'd'日' hh:nn");
    const FormatSettings s = PinnedSettings();
    EXPECT_EQ(FormatValue(pattern, QDateTime(QDate(2024, 1, 5), QTime(8, 3)), s),
              QVariant(QStringLiteral("2024年1月5日 08:03")));
    EXPECT_EQ(FormatValue(pattern, QDate(2024, 1, 5), s),
              QVariant(QStringLiteral("2024年1月5日 00:00")));
    // A time alone lies on the first day of the date numbering.
    EXPECT_EQ(FormatValue(pattern, QTime(8, 3), s),
              QVariant(QStringLiteral("1899年12月30日 08:03")));
}

TEST(FormatValue, BooleansByTheirTexts) {
    EXPECT_EQ(Format("否;是", QVariant(true)), Text("是"));
    EXPECT_EQ(Format("否;是", QVariant(false)), Text("否"));
    EXPECT_EQ(Format("是", QVariant(false)), Text(""));
}

TEST(FormatValue, OtherTypesComeBackUnchanged) {
    const QVariant values[] = {Text("abc"),
                               QVariant::fromValue(Decimal{QStringLiteral("1.5")}),
                               QVariant::fromValue(qint8(5)),
                               QVariant(),
                               NullValue(),
                               QVariant(QByteArray("ab"))};
    for (const QVariant& value : values) {
        const QVariant result = Format("0.00", value);
        EXPECT_EQ(result.metaType(), value.metaType()) << value.typeName();
        EXPECT_EQ(result, value) << value.typeName();
    }
}

TEST(FormatValue, ConversionErrors) {
    EXPECT_THROW(Format("0;0;0;0", QVariant(1)), ConvertError);
    EXPECT_THROW(Format("yyyy'", QVariant(QDate(2024, 1, 5))), ConvertError);
    EXPECT_THROW(Format("$", QVariant(std::numeric_limits<double>::quiet_NaN())), ConvertError);
    EXPECT_THROW(Format("$", QVariant(1e14)), ConvertError);
}

TEST(FormatValue, DefaultsToTheUserSettings) {
    const FormatSettings saved = UserFormatSettings();
    SetUserFormatSettings(CommaDecimalSettings());
    EXPECT_EQ(FormatValue(QStringLiteral("#,##0.00"), QVariant(1234.5)),
              QVariant(QStringLiteral("1.234,50")));
    SetUserFormatSettings(saved);
}

TEST(BoolText, Formats) {
    const struct {
        const char* format;
        bool value;
        const char* text;
    } cases[] = {{"", true, "1"},      {"", false, "0"},       {"是", true, "是"},
                 {"是", false, ""},    {"否;是", false, "否"}, {"否;是", true, "是"},
                 {"F;T;X", true, "T"}, {"F;T;X", false, "F"},  {";是", false, ""},
                 {"否;", true, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(BoolText(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text))
            << c.format << ' ' << c.value;
    }
}
