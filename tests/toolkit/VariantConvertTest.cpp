#include "toolkit/Raised.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

using namespace toolkit;
using testerrors::raised;

TEST(VariantConvert, EmptyReadsAsZeroNullRaisesAndNumbersRoundToEvenWithinTheirRange)
{
    const QVariant empty;
    const QVariant null(QMetaType::fromType<int>());
    EXPECT_EQ(toLong(empty), 0);
    EXPECT_EQ(toText(empty), QString());
    EXPECT_FALSE(toBoolean(empty));
    EXPECT_EQ(raised([&] { toLong(null); }).number(), ErrInvalidNull);
    EXPECT_EQ(raised([&] { toText(QVariant(QMetaType::fromType<QString>())); }).number(), ErrInvalidNull);
    EXPECT_EQ(raised([&] { toCurrency(null); }).number(), ErrInvalidNull);

    EXPECT_EQ(toLong(QVariant(2.5)), 2);
    EXPECT_EQ(toLong(QVariant(3.5)), 4);
    EXPECT_EQ(toLong(QVariant(-2.5)), -2);
    EXPECT_EQ(toInteger(QVariant(32767)), 32767);
    EXPECT_EQ(raised([] { toInteger(QVariant(32768)); }).number(), ErrOverflow);
    EXPECT_EQ(raised([] { toLong(QVariant(qint64(1) << 40)); }).number(), ErrOverflow);
    EXPECT_EQ(toLong(QVariant(QStringLiteral(" 42 "))), 42);
    EXPECT_EQ(raised([] { toLong(QVariant(QStringLiteral("12abc"))); }).number(), ErrTypeMismatch);
    EXPECT_EQ(toLong(QVariant(true)), -1);
    EXPECT_TRUE(toBoolean(QVariant(QStringLiteral("True"))));
    EXPECT_FALSE(toBoolean(QVariant(0)));
    EXPECT_TRUE(toBoolean(QVariant(1)));
}

TEST(VariantConvert, DatesFromStoredText)
{
    const QDateTime afternoon(QDate(2026, 12, 5), QTime(16, 30));
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05 16:30:00"))), afternoon);
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05T16:30:00"))), afternoon);
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05"))), QDateTime(afternoon.date(), QTime(0, 0)));
    EXPECT_EQ(toDate(QVariant()).date(), QDate(1899, 12, 30));
    EXPECT_EQ(raised([] { toDate(QVariant(QStringLiteral("mañana"))); }).number(), ErrTypeMismatch);
}
