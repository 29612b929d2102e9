#include "toolkit/PlainNumber.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

#include <limits>

using toolkit::PlainNumber;

TEST(PlainNumber, WritesShortestRoundTripTextWhateverTheLocale)
{
    const testsupport::LocaleScope scope(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(PlainNumber::write(1234567.5), "1234567.5");
    EXPECT_EQ(PlainNumber::write(0.1), "0.1");
    EXPECT_EQ(PlainNumber::write(-2), "-2");
    EXPECT_EQ(PlainNumber::write(0), "0");
    for (const double value : {0.1 + 0.2, 1.0 / 3.0, 123456.789, 1e-9, 6.02e23, -4.5e-300,
                               std::numeric_limits<double>::max(), 2.2250738585072014e-308}) {
        const QString text = PlainNumber::write(value);
        EXPECT_FALSE(text.contains(',')) << text.toStdString();
        EXPECT_EQ(PlainNumber::read(text), value) << text.toStdString();
    }
    EXPECT_TRUE(PlainNumber::write(6.02e23).contains('e'));
    EXPECT_TRUE(PlainNumber::write(1e-9).contains('e'));
}

TEST(PlainNumber, ReadsTheLongestLeadingNumber)
{
    EXPECT_EQ(PlainNumber::read(""), 0.0);
    EXPECT_EQ(PlainNumber::read("abc"), 0.0);
    EXPECT_EQ(PlainNumber::read("12.5kg"), 12.5);
    EXPECT_EQ(PlainNumber::read("1,5"), 1.0);
    EXPECT_EQ(PlainNumber::read("  -3.25 "), -3.25);
    EXPECT_EQ(PlainNumber::read(" 1 2 3"), 123.0);
    EXPECT_EQ(PlainNumber::read(".5"), 0.5);
    EXPECT_EQ(PlainNumber::read("-.5"), -0.5);
    EXPECT_EQ(PlainNumber::read("7."), 7.0);
    EXPECT_EQ(PlainNumber::read("1e3x"), 1000.0);
    EXPECT_EQ(PlainNumber::read("1e"), 1.0);
    EXPECT_EQ(PlainNumber::read("2.5E-2"), 0.025);
    EXPECT_EQ(PlainNumber::read("1.2.3"), 1.2);
    EXPECT_EQ(PlainNumber::read("-"), 0.0);
}
