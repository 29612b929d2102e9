#include "toolkit/DateFormat.h"
#include "toolkit/VariantConvert.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

#include <utility>

using toolkit::DateFormat;

TEST(DateFormat, ShortDateKeepsTheLocaleOrderWithAFourDigitYear)
{
    const QDateTime moment(QDate(2026, 12, 4), QTime(14, 5, 9));
    const std::pair<QLocale, const char *> cases[] = {
        {QLocale(QLocale::Spanish, QLocale::Venezuela), "04/12/2026"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "04/12/2026"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/04/2026"},
        {QLocale(QLocale::German, QLocale::Germany), "04.12.2026"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "2026-12-04"},
    };
    for (const auto &[locale, expected] : cases) {
        EXPECT_EQ(DateFormat::format(moment, "Short Date", locale), expected) << locale.name().toStdString();
        EXPECT_EQ(DateFormat::format(moment, "short date", locale), expected) << locale.name().toStdString();
    }
}

TEST(DateFormat, PicturesGeneralDateAndDateValuesAsTextThatReadBack)
{
    const QLocale venezuela(QLocale::Spanish, QLocale::Venezuela);
    const QDateTime moment(QDate(2026, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(DateFormat::format(moment, "dd-mm-yyyy", venezuela), "07-03-2026");
    EXPECT_EQ(DateFormat::format(moment, "hh:mm:ss", venezuela), "14:05:09");
    EXPECT_EQ(DateFormat::format(moment, "d/m/yy", venezuela), "7/3/26");
    EXPECT_EQ(DateFormat::format(QDateTime(moment.date(), QTime(0, 0)), "General Date", venezuela), "07/03/2026");
    EXPECT_TRUE(DateFormat::format(moment, "General Date", venezuela).startsWith("07/03/2026 "));

    const testsupport::LocaleScope scope(venezuela);
    const QDateTime day(QDate(2026, 12, 4), QTime(0, 0));
    EXPECT_EQ(toolkit::toText(QVariant(day)), "04/12/2026");
    EXPECT_EQ(toolkit::toText(QVariant(day.date())), "04/12/2026");
    EXPECT_EQ(toolkit::toDate(QVariant(QStringLiteral("04/12/2026"))), day);
    // A year of the last century is written and read back with its century.
    const QDateTime old(QDate(1926, 1, 31), QTime(0, 0));
    EXPECT_EQ(toolkit::toDate(QVariant(toolkit::toText(QVariant(old)))), old);
}
