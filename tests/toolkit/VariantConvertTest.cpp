#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

#include <functional>

using namespace toolkit;

namespace {

qint32 errorNumberOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Error &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(VariantConvert, EmptyReadsAsZeroAndNullRaises)
{
    const QVariant empty;
    const QVariant null(QMetaType::fromType<int>());
    EXPECT_EQ(toLong(empty), 0);
    EXPECT_EQ(toText(empty), QString());
    EXPECT_FALSE(toBoolean(empty));
    EXPECT_EQ(errorNumberOf([&] { toLong(null); }), ErrInvalidNull);
    EXPECT_EQ(errorNumberOf([&] { toText(QVariant(QMetaType::fromType<QString>())); }), ErrInvalidNull);
    EXPECT_EQ(errorNumberOf([&] { toCurrency(null); }), ErrInvalidNull);
}

TEST(VariantConvert, NumbersRoundToEvenAndRefuseWhatDoesNotFit)
{
    EXPECT_EQ(toLong(QVariant(2.5)), 2);
    EXPECT_EQ(toLong(QVariant(3.5)), 4);
    EXPECT_EQ(toLong(QVariant(-2.5)), -2);
    EXPECT_EQ(toInteger(QVariant(32767)), 32767);
    EXPECT_EQ(errorNumberOf([] { toInteger(QVariant(32768)); }), ErrOverflow);
    EXPECT_EQ(errorNumberOf([] { toLong(QVariant(qint64(1) << 40)); }), ErrOverflow);
    EXPECT_EQ(toLong(QVariant(QStringLiteral(" 42 "))), 42);
    EXPECT_EQ(errorNumberOf([] { toLong(QVariant(QStringLiteral("12abc"))); }), ErrTypeMismatch);
    EXPECT_EQ(toLong(QVariant(true)), -1);
    EXPECT_TRUE(toBoolean(QVariant(QStringLiteral("True"))));
    EXPECT_FALSE(toBoolean(QVariant(0)));
    EXPECT_TRUE(toBoolean(QVariant(1)));
}

TEST(VariantConvert, DatesFromStoredText)
{
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05 16:30:00"))), QDateTime(QDate(2026, 12, 5), QTime(16, 30)));
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05T16:30:00"))), QDateTime(QDate(2026, 12, 5), QTime(16, 30)));
    EXPECT_EQ(toDate(QVariant(QStringLiteral("2026-12-05"))), QDateTime(QDate(2026, 12, 5), QTime(0, 0)));
    EXPECT_EQ(toDate(QVariant()).date(), QDate(1899, 12, 30));
    EXPECT_EQ(errorNumberOf([] { toDate(QVariant(QStringLiteral("mañana"))); }), ErrTypeMismatch);
}
