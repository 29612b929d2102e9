#include "hostlibs/StandardCommonUtilities.h"
#include "support/LocaleScope.h"
#include "toolkit/Currency.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/PlainNumber.h"

#include <gtest/gtest.h>

#include <cstdlib>

using hostlibs::StandardCommonUtilities;
using toolkit::Currency;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale venezuela(QLocale::Spanish, QLocale::Venezuela);

// The amount as a mask with that many decimals shows it: half away from zero.
double roundedTo(Currency amount, int decimals)
{
    qint64 unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    const qint64 magnitude = (std::llabs(amount.raw()) + unit / 2) / unit * unit;
    return Currency::fromRaw(amount.raw() < 0 ? -magnitude : magnitude).toDouble();
}

} // namespace

TEST(ParseNumber, ReadsFormattedAndPlainText)
{
    const StandardCommonUtilities utilities;
    const std::tuple<QLocale, const char *, double> cases[] = {
        {english, "Bs. 1,234.50", 1234.5}, {english, "Bs.1,234", 1234}, {english, "(1,234.50)", -1234.5},
        {english, "Bs. (1,234.50)", -1234.5}, {english, "1,234.50-", -1234.5}, {english, "-$.50", -0.5},
        {english, "1e+05", 100000}, {english, "1E+15", 1e15}, {english, "-2.5E-05", -2.5e-5},
        {english, "Cero", 0}, {english, "", 0}, {venezuela, "-Bs. 8.802,00", -8802}, {venezuela, "Bs.8.802", 8802},
        {venezuela, "1.234.567,891 kg", 1234567.891}, {venezuela, ",5", 0.5},
        // Plain number text from the hidden grid columns reads in any locale.
        {venezuela, "1500.5", 1500.5}, {venezuela, "0.125", 0.125}, {venezuela, "100000", 100000},
        {venezuela, "1.5E+15", 1.5e15}, {venezuela, "1.2.3", 1.2},
        // A single point before three digits is grouping here, as a mask writes 1234.
        {venezuela, "1.234", 1234},
    };
    for (const auto &[locale, text, expected] : cases) {
        const testsupport::LocaleScope scope(locale);
        EXPECT_EQ(utilities.ParseNumber(QString::fromUtf8(text)), expected)
            << text << " in " << locale.name().toStdString();
    }
}

TEST(ParseNumber, ReadsBackEveryMaskAndPlainNumberTextExactly)
{
    const StandardCommonUtilities utilities;
    const std::pair<const char *, int> masks[] = {
        {"#,##0.00", 2}, {"#,##0", 0}, {"#,##0.000", 3}, {"0.00", 2}, {"#.00", 2}, {"000000", 0}, {"000,000", 0},
        {"\"Bs. \"#,##0.00", 2}, {"\\B\\s\\.\\ #,##0.00", 2}, {"Bs. #,##0.00", 2}, {"Bs.#,##0", 0},
        {"$#,##0.00", 2}, {"#,##0.00 \"Bs.\"", 2}, {"#,##0.00;(#,##0.00)", 2},
        {"\"Bs. \"#,##0.00;(\"Bs. \"#,##0.00)", 2}, {"#,##0.00;#,##0.00-", 2},
        {"#,##0.00;-#,##0.00;\"Cero\"", 2}, {"#,##0.0000;(#,##0.0000);\\-", 4},
    };
    const QLocale locales[] = {english, venezuela, QLocale(QLocale::Spanish, QLocale::Spain),
                               QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)};
    const double amounts[] = {0, 0.01, -0.01, 0.001, -0.004, 0.5, 1, 12.5, 999.995, 1234.5, -1234.5, 8802,
                              100000, 1234567.891, -98765432.1, 1000000000.25, 0.1 + 0.2};
    for (const QLocale &locale : locales) {
        const testsupport::LocaleScope scope(locale);
        for (const auto &[mask, decimals] : masks) {
            for (const double amount : amounts) {
                const Currency money = Currency::fromDouble(amount);
                const QString text = toolkit::NumberFormat::format(money, QString::fromUtf8(mask));
                EXPECT_EQ(utilities.ParseNumber(text), roundedTo(money, decimals))
                    << mask << " " << amount << " -> " << text.toStdString() << " in " << locale.name().toStdString();
            }
        }
        // Plain number text, as the hidden grid columns hold it, reads the same in any locale.
        for (const double value : {100000.0, 1000000.0, 0.0001, 1e-5, 1e15, 2147483648.0, 1500.5, -8802.25, 0.1 + 0.2})
            EXPECT_EQ(utilities.ParseNumber(toolkit::PlainNumber::write(value)), value) << value;
    }
}
