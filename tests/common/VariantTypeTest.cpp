#include "common/VariantType.h"

#include <QDateTime>
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(VariantType, CodesByValueKind) {
    const struct {
        QVariant value;
        int code;
    } cases[] = {
        {QVariant(), varEmpty},
        {NullValue(), varNull},
        {QVariant::fromValue<short>(1), varSmallint},
        {QVariant(1), varInteger},
        {QVariant(1.5f), varSingle},
        {QVariant(1.5), varDouble},
        {QVariant::fromValue(Currency{15000}), varCurrency},
        {QVariant(QDateTime(QDate(2024, 1, 5), QTime(0, 0))), varDate},
        {QVariant(QDate(2024, 1, 5)), varDate},
        {QVariant(QStringLiteral("x")), varOleStr},
        {QVariant(true), varBoolean},
        {QVariant::fromValue(Decimal{QStringLiteral("1.25")}), varDecimal},
        {QVariant::fromValue<signed char>(1), varShortInt},
        {QVariant::fromValue<uchar>(1), varByte},
        {QVariant::fromValue<ushort>(1), varWord},
        {QVariant(1u), varLongWord},
        {QVariant(qint64(1)), varInt64},
        {QVariant(quint64(1)), varUInt64},
        {QVariant(QByteArray("ab")), varArray | varByte},
        {QVariant(QVariantList{1, 2}), varArray | varVariant},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VarTypeOf(c.value), c.code) << c.value.typeName();
    }
}

TEST(VariantType, EmptyAndNullAreDifferent) {
    EXPECT_TRUE(IsEmpty(QVariant()));
    EXPECT_FALSE(IsNull(QVariant()));
    EXPECT_TRUE(IsNull(NullValue()));
    EXPECT_FALSE(IsEmpty(NullValue()));
    EXPECT_FALSE(IsNull(QVariant(QString())));
}

TEST(VariantType, CurrencyRoundsToFourDecimals) {
    EXPECT_EQ(Currency::FromDouble(1.23455).scaled, 12346);
    EXPECT_EQ(Currency::FromDouble(-2.5).scaled, -25000);
    EXPECT_DOUBLE_EQ(Currency{12345}.ToDouble(), 1.2345);
    EXPECT_ANY_THROW(Currency::FromDouble(1e20));
}
