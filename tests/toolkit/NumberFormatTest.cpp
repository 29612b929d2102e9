#include "toolkit/NumberFormat.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

using toolkit::Currency;
using toolkit::NumberFormat;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale spanish(QLocale::Spanish, QLocale::Venezuela);

struct Case
{
    const char *mask;
    double value;
    const QLocale &locale;
    const char *expected;
};

} // namespace

TEST(NumberFormat, MasksInTheClassicFormatSyntax)
{
    const Case cases[] = {
        // Digit placeholders, grouping and rounding.
        {"000000", 42, english, "000042"}, {"000000", 1234567, english, "1234567"},
        {"#,##0", 1234, english, "1,234"}, {"#,##0", 0, english, "0"},
        {"#,##0.000", 1500.5, english, "1,500.500"}, {"#,##0.00", 1234567.891, english, "1,234,567.89"},
        {"#,##0.00", -1234.5, english, "-1,234.50"}, {"#,##0.00", 999.995, english, "1,000.00"},
        {"0", 2.5, english, "3"}, {"#,##0.00", -0.001, english, "0.00"},
        {"#.##", 0.5, english, ".5"}, {".00", 0.5, english, ".50"},
        {"0.0#", 12.3456, english, "12.35"}, {"0.0#", 12.3, english, "12.3"}, {"0.0#", 12.996, english, "13.0"},
        {"####", 7, english, "7"},
        {"#,##0", 1234, spanish, "1.234"}, {"#,##0.000", 1500.5, spanish, "1.500,500"},
        {"#,##0.00", 1234567.891, spanish, "1.234.567,89"},
        // Literal prefixes and suffixes: quoted, escaped or plain, the sign before them all.
        {"\"Bs. \"#,##0.00", 8802, spanish, "Bs. 8.802,00"}, {"\"Bs. \"#,##0.00", -8802, spanish, "-Bs. 8.802,00"},
        {"\\B\\s\\.\\ #,##0.00", 8802, spanish, "Bs. 8.802,00"}, {"Bs. #,##0.00", -1234.5, english, "-Bs. 1,234.50"},
        {"Bs.#,##0", 1234.5, spanish, "Bs.1.235"}, {"$.00", 0.5, english, "$.50"},
        {"$ #,##0.00", 1234.5, english, "$ 1,234.50"}, {"#,##0.00 \"Bs.\"", 1234.5, spanish, "1.234,50 Bs."},
        {"\\#0", 5, english, "#5"}, {"\"a;b\"0", 5, english, "a;b5"}, {"0\"0.5\"", 7, english, "70.5"},
        // A negative section is printed as it stands, without a minus of its own.
        {"0;(0)", -3, english, "(3)"}, {"#,##0.00;(#,##0.00)", -1234.5, english, "(1,234.50)"},
        {"#,##0.00;#,##0.00-", -1234.5, spanish, "1.234,50-"},
        {"\"Bs. \"#,##0.00;\"Bs. \"(#,##0.00)", -1234.5, spanish, "Bs. (1.234,50)"},
        {"#,##0.00;;\"cero\"", -5, english, "-5.00"},
        // A zero section takes whatever rounds to zero, of either sign.
        {"#,##0.00;(#,##0.00);\"Cero\"", 0, english, "Cero"}, {"#,##0.00;(#,##0.00);\"Cero\"", -0.004, english, "Cero"},
        {"#,##0.00;(#,##0.00);\"Cero\"", 0.005, english, "0.01"}, {"#,##0.00;(#,##0.00);\\-", 0, english, "-"},
        {"#,##0.00;(#,##0.00);0.0", 0, spanish, "0,0"}, {"#,##0.00;(#,##0.00);;\"Nulo\"", 0, english, "0.00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumberFormat::format(c.value, QString::fromUtf8(c.mask), c.locale), c.expected)
            << c.mask << " with " << c.value;
}

TEST(NumberFormat, MoneyKeepsItsExactDigitsNullTakesTheFourthSectionAndTheDefaultLocaleApplies)
{
    // Money rounds its own decimal digits, more of them than a double holds.
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(-1250), "#,##0.00", english), "-0.13");
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(-1250), "\"Bs. \"#,##0.00;(\"Bs. \"#,##0.00)", english),
              "(Bs. 0.13)");
    EXPECT_EQ(NumberFormat::format(Currency::fromRaw(12345678901234), "#,##0.00", spanish), "1.234.567.890,12");
    EXPECT_EQ(NumberFormat::format(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), "0.0000", english), "0.3000");

    const QString mask = QStringLiteral("#,##0.00;(#,##0.00);\"Cero\";\"Sin monto\"");
    const QVariant null(QMetaType::fromType<double>());
    EXPECT_EQ(NumberFormat::format(null, mask, english), "Sin monto");
    EXPECT_EQ(NumberFormat::format(null, QStringLiteral("#,##0.00"), english), "");
    EXPECT_EQ(NumberFormat::format(QVariant(), mask, english), "Cero");
    EXPECT_EQ(NumberFormat::format(QVariant(-2.5), mask, english), "(2.50)");
    EXPECT_EQ(NumberFormat::format(QVariant::fromValue(Currency::fromRaw(1250)), mask, english), "0.13");
    EXPECT_EQ(NumberFormat::format(QVariant::fromValue(Currency::fromRaw(12345678901234567)), "0.0000", english),
              "1234567890123.4567") << "more digits than a double holds";

    const testsupport::LocaleScope scope(spanish);
    EXPECT_EQ(NumberFormat::format(0.25, "0.00"), "0,25");
    EXPECT_EQ(NumberFormat::format(-1234.5, ""), "-1234,5");
}
