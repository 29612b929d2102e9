#include "toolkit/DateFormat.h"
#include "toolkit/NumberFormat.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

using toolkit::Currency;
using toolkit::NumberFormat;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale spanish(QLocale::Spanish, QLocale::Spain);

} // namespace

TEST(NumberFormat, PatternsInAPointDecimalLocale)
{
    EXPECT_EQ(NumberFormat::format(42, "000000", english), "000042");
    EXPECT_EQ(NumberFormat::format(1234567, "000000", english), "1234567");
    EXPECT_EQ(NumberFormat::format(1234, "#,##0", english), "1,234");
    EXPECT_EQ(NumberFormat::format(0, "#,##0", english), "0");
    EXPECT_EQ(NumberFormat::format(1500.5, "#,##0.000", english), "1,500.500");
    EXPECT_EQ(NumberFormat::format(1234567.891, "#,##0.00", english), "1,234,567.89");
    EXPECT_EQ(NumberFormat::format(-1234.5, "#,##0.00", english), "-1,234.50");
    EXPECT_EQ(NumberFormat::format(999.995, "#,##0.00", english), "1,000.00");
    EXPECT_EQ(NumberFormat::format(2.5, "0", english), "3");
    EXPECT_EQ(NumberFormat::format(-0.001, "#,##0.00", english), "0.00");
    EXPECT_EQ(NumberFormat::format(0.5, "#.##", english), ".5");
    EXPECT_EQ(NumberFormat::format(12.3456, "0.0#", english), "12.35");
    EXPECT_EQ(NumberFormat::format(12.3, "0.0#", english), "12.3");
    EXPECT_EQ(NumberFormat::format(7, "####", english), "7");
    EXPECT_EQ(NumberFormat::format(1234.5, "$ #,##0.00", english), "$ 1,234.50");
    EXPECT_EQ(NumberFormat::format(-3, "0;(0)", english), "(3)");
}

TEST(NumberFormat, PatternsInACommaDecimalLocale)
{
    EXPECT_EQ(NumberFormat::format(1234, "#,##0", spanish), "1.234");
    EXPECT_EQ(NumberFormat::format(1500.5, "#,##0.000", spanish), "1.500,500");
    EXPECT_EQ(NumberFormat::format(42, "000000", spanish), "000042");
    EXPECT_EQ(NumberFormat::format(1234567.891, "#,##0.00", spanish), "1.234.567,89");

    // Without an explicit locale the default one decides.
    const testsupport::LocaleScope scope(spanish);
    EXPECT_EQ(NumberFormat::format(0.25, "0.00"), "0,25");
}

TEST(NumberFormat, MoneyKeepsItsExactDigits)
{
    // 0.125 as a double would round down by binary representation; money rounds its own digits.
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(1250), "#,##0.00", english), "0.13");
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(-1250), "#,##0.00", english), "-0.13");
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(12345678901234), "#,##0.00", spanish), "1.234.567.890,12");
    EXPECT_EQ(NumberFormat::format(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), "0.0000", english), "0.3000");
}

TEST(DateFormat, NamedAndPicturedForms)
{
    const QDateTime moment(QDate(2026, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(toolkit::DateFormat::format(moment, "dd-mm-yyyy", english), "07-03-2026");
    EXPECT_EQ(toolkit::DateFormat::format(moment, "Short Date", english), english.toString(moment.date(), QLocale::ShortFormat));
    EXPECT_EQ(toolkit::DateFormat::format(moment, "Short Date", spanish), "7/3/26");
    EXPECT_EQ(toolkit::DateFormat::format(moment, "hh:mm:ss", english), "14:05:09");
    EXPECT_EQ(toolkit::DateFormat::format(moment, "d/m/yy", english), "7/3/26");
}
