#include "toolkit/Currency.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using toolkit::Currency;

TEST(Currency, RoundsHalfToEvenAtTheFourthDecimal)
{
    EXPECT_EQ(Currency::fromDouble(1.00005).raw(), 10000);  // a half, whatever its binary form
    EXPECT_EQ(Currency::fromDouble(0.00015).raw(), 2);       // 1.5 ten-thousandths: to even
    EXPECT_EQ(Currency::fromDouble(0.00025).raw(), 2);       // 2.5: to even
    EXPECT_EQ(Currency::fromDouble(0.00035).raw(), 4);
    EXPECT_EQ(Currency::fromDouble(-0.00025).raw(), -2);
    EXPECT_EQ(Currency::fromDouble(-0.00035).raw(), -4);
    EXPECT_EQ(Currency::fromDouble(12.34567).raw(), 123457);
    EXPECT_EQ(Currency::fromDouble(-12.34564).raw(), -123456);
    EXPECT_EQ(Currency::fromDouble(100.0 / 3.0).raw(), 333333);
}

TEST(Currency, ArithmeticIsExactRefusesOverflowAndTravelsAsPlainTextAndInAVariant)
{
    const Currency a = Currency::fromDouble(0.1);
    const Currency b = Currency::fromDouble(0.2);
    EXPECT_EQ(std::tuple((a + b).raw(), (a - b).raw(), (b * -1).raw(), (-a).raw()),
              std::tuple(3000, -1000, -2000, -1000));
    EXPECT_LT(a, b);
    EXPECT_EQ(a + b, Currency::fromDouble(0.3));
    EXPECT_DOUBLE_EQ((a + b).toDouble(), 0.3);
    Currency total;
    for (int i = 0; i < 1000; ++i)
        total += Currency::fromDouble(0.01);
    EXPECT_EQ(total.raw(), 100000);

    const Currency min = Currency::fromRaw(std::numeric_limits<qint64>::min());
    EXPECT_THROW(Currency::fromRaw(std::numeric_limits<qint64>::max()) + Currency::fromRaw(1), toolkit::Error);
    EXPECT_THROW(min * -1, toolkit::Error);
    EXPECT_THROW(Currency::fromDouble(1e16), toolkit::Error);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), toolkit::Error);

    EXPECT_EQ(QStringList({Currency::fromRaw(125000).toPlainText(), Currency::fromRaw(-1).toPlainText(),
                           Currency::fromRaw(0).toPlainText(), min.toPlainText()}),
              QStringList({"12.5", "-0.0001", "0", "-922337203685477.5808"}));
    const QVariant held = QVariant::fromValue(Currency::fromRaw(15));
    EXPECT_EQ(held.value<Currency>().raw(), 15);
    EXPECT_EQ(toolkit::toCurrency(held).raw(), 15);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(held), 0.0015);
    EXPECT_EQ(toolkit::toCurrency(QVariant(QStringLiteral("1234.56785"))).raw(), 12345678);
}
