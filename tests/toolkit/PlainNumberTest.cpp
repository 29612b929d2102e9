#include "toolkit/PlainNumber.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using toolkit::PlainNumber;

TEST(PlainNumber, WritesDigitsWithAPointAndExponentsOnlyAtTheExtremes)
{
    const testsupport::LocaleScope scope(QLocale(QLocale::Spanish, QLocale::Spain));
    const std::pair<double, const char *> texts[] = {
        {1234567.5, "1234567.5"}, {0.1, "0.1"}, {-2, "-2"}, {0, "0"}, {-0.0, "0"},
        {100000, "100000"}, {1000000, "1000000"}, {2147483648.0, "2147483648"},
        {0.0001, "0.0001"}, {-0.00012, "-0.00012"}, {999999999999999, "999999999999999"},
        {1e15, "1E+15"}, {-2.5e15, "-2.5E+15"}, {6.02e23, "6.02E+23"},
        {0.00001, "1E-05"}, {0.000025, "2.5E-05"}, {-4.5e-300, "-4.5E-300"},
    };
    for (const auto &[value, text] : texts)
        EXPECT_EQ(PlainNumber::write(value), text) << value;
}

TEST(PlainNumber, WritesTheSameDigitsAsQtWhereNoExponentIsUsed)
{
    // Amounts of a few decimals take a short way to their digits; every other value takes the
    // long one. Both must give Qt's shortest digits.
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<qint64> units(-999999999999999, 999999999999999);
    std::uniform_int_distribution<int> decimals(0, 6);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    for (int i = 0; i < 200000; ++i) {
        const double amount = double(units(random) >> (i % 40)) / std::pow(10.0, decimals(random));
        for (const double value : {amount, any(random), amount / 3.0}) {
            if (std::fabs(value) < 1e-4 || std::fabs(value) >= 1e15)
                continue;
            ASSERT_EQ(PlainNumber::write(value), QString::number(value, 'f', QLocale::FloatingPointShortest)) << value;
        }
    }
}

TEST(PlainNumber, WrittenTextReadsBackToTheSameValue)
{
    const testsupport::LocaleScope scope(QLocale(QLocale::Spanish, QLocale::Spain));
    std::vector<double> values;
    for (double whole = 1; whole <= 2147483648.0; whole *= 2)
        values.insert(values.end(), {whole, whole - 1, whole + 1, -whole, whole * 10, std::round(whole * 0.7)});
    // Amounts in base currency as the grid holds them (net / exchange rate), and weights.
    for (const double amount : {0.01, 0.1 + 0.2, 1234.5678, 8802.0, 100000.0, 99999.99, 1000000.0 / 3.0,
                                 123456.789, 0.125, 1500.5, 42.5 * 14, 1.25 * 12, 1e-9, 1e15, 6.02e23,
                                 std::numeric_limits<double>::max(), 2.2250738585072014e-308}) {
        values.push_back(amount);
        values.push_back(-amount);
    }
    for (const double value : values) {
        const QString text = PlainNumber::write(value);
        EXPECT_FALSE(text.contains(',')) << text.toStdString();
        EXPECT_EQ(PlainNumber::read(text), value) << text.toStdString();
    }
}

TEST(PlainNumber, ReadsTheLongestLeadingNumber)
{
    const std::pair<const char *, double> texts[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {"12.5kg", 12.5}, {"1,5", 1}, {"  -3.25 ", -3.25}, {" 1 2 3", 123},
        {".5", 0.5}, {"-.5", -0.5}, {"7.", 7}, {"1e3x", 1000}, {"1e", 1}, {"2.5E-2", 0.025}, {"1.2.3", 1.2},
    };
    for (const auto &[text, value] : texts)
        EXPECT_EQ(PlainNumber::read(QString::fromUtf8(text)), value) << text;
}
