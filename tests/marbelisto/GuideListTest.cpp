#include "marbelisto/ui/GuideListModel.h"

#include "support/FaultyFramework.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <set>

using marbelisto::GuideFilter;
using marbelisto::GuideListModel;
using marbelisto::GuideListQuery;
using testsupport::TestHost;

namespace {

constexpr int Guides = 450;
const QDate FirstDay(2024, 3, 1);

// 450 guides over 15 days, each third one closed, three drivers (one unknown to Vendedores),
// two vehicles and one missing vehicle; totals that do not follow the numbers.
void seedGuides(TestHost &host)
{
    host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
    host.addVendedor(QStringLiteral("C02"), QStringLiteral("Ana Díaz"), true);
    const qint32 tipo = host.addTipoVehiculo(QStringLiteral("Camión"));
    host.addVehiculo(tipo, QStringLiteral("A45BK2R"));
    host.addVehiculo(tipo, QStringLiteral("B12CD3E"));
    host.framework().StartTransaction();
    for (int i = 1; i <= Guides; ++i) {
        const QString driver = i % 3 == 0 ? QStringLiteral("C01") : i % 3 == 1 ? QStringLiteral("C02") : QStringLiteral("X9");
        host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                                 "totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) "
                                 "VALUES (?, ?, ?, 'OP', ?, ?, ?, ?, '', '', ?)"),
                  {driver, i % 3 + 1, QDateTime(FirstDay.addDays(i % 15), QTime(9, 30)), i % 7 + 1, 1234.5 + i,
                   double((i * 37) % 1000), 16.0, i % 3 == 0});
    }
    host.framework().CommitTransaction();
}

std::vector<qint32> fetchAll(GuideListModel &model)
{
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());
    std::vector<qint32> numbers;
    for (int row = 0; row < model.rowCount(); ++row)
        numbers.push_back(model.numero(row));
    return numbers;
}

QString text(const GuideListModel &model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

} // namespace

TEST(GuideList, ReadsPageByPageInEveryOrderWithoutLosingOrRepeatingAGuide)
{
    TestHost host;
    seedGuides(host);
    GuideListModel model(host.framework());
    model.reload();

    EXPECT_EQ(model.total(), Guides);
    EXPECT_EQ(model.rowCount(), GuideListModel::PageSize);
    EXPECT_EQ(model.numero(0), Guides) << "newest first";
    ASSERT_TRUE(model.canFetchMore(QModelIndex()));
    model.fetchMore(QModelIndex());
    EXPECT_EQ(model.rowCount(), 2 * GuideListModel::PageSize);

    for (int column = 0; column < GuideListQuery::ColumnCount; ++column) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            model.sort(column, order);
            EXPECT_EQ(model.rowCount(), GuideListModel::PageSize) << "a new order starts on the first page";
            const std::vector<qint32> numbers = fetchAll(model);
            EXPECT_FALSE(model.canFetchMore(QModelIndex()));
            EXPECT_EQ(std::set<qint32>(numbers.begin(), numbers.end()).size(), std::size_t(Guides))
                << "column " << column << " order " << order;
        }
    }
    // Sorted by total, the shown totals run the chosen way across page boundaries.
    model.sort(GuideListQuery::Total, Qt::AscendingOrder);
    fetchAll(model);
    const auto total = [&](int row) { return text(model, row, GuideListQuery::Total).remove(u',').toDouble(); };
    for (int row = 1; row < model.rowCount(); ++row)
        ASSERT_LE(total(row - 1), total(row)) << "row " << row;
    model.sort(GuideListQuery::Conductor, Qt::AscendingOrder);
    EXPECT_EQ(text(model, 0, GuideListQuery::Conductor), QStringLiteral("Ana Díaz (C02)"));

    // The model's contract, checked while the tester itself fetches page after page.
    GuideListModel checked(host.framework());
    QAbstractItemModelTester tester(&checked, QAbstractItemModelTester::FailureReportingMode::Fatal);
    checked.reload();
    checked.sort(GuideListQuery::Peso, Qt::AscendingOrder);
    const std::vector<qint32> numbers = fetchAll(checked);
    EXPECT_EQ(std::set<qint32>(numbers.begin(), numbers.end()).size(), std::size_t(Guides));
}

TEST(GuideList, ShowsEachGuideAsTheDispatcherReadsItAndFiltersByStateAndDate)
{
    TestHost host;
    host.setCompany(1.0, QStringLiteral("#,##0.00"));
    seedGuides(host);
    GuideListModel model(host.framework());
    model.reload();

    // Guide 450: 450 % 3 == 0, so driver C01, vehicle 1, closed; 450 % 15 == 0, first day.
    EXPECT_EQ(QStringList({text(model, 0, 0), text(model, 0, 1), text(model, 0, 2), text(model, 0, 3),
                           text(model, 0, 4), text(model, 0, 5), text(model, 0, 6), text(model, 0, 7)}),
              QStringList({"450", "01-03-2024", "Pedro Pérez (C01)", "A45BK2R", "3", "1,684.50", "666.00", "Cerrada"}));
    // Guide 449: an unknown driver shows by code, a missing vehicle as no plate.
    EXPECT_EQ(text(model, 1, GuideListQuery::Conductor), QStringLiteral("X9"));
    EXPECT_EQ(text(model, 1, GuideListQuery::Placa), QString());
    EXPECT_EQ(text(model, 1, GuideListQuery::Estado), QStringLiteral("Abierta"));
    EXPECT_EQ(model.headerData(GuideListQuery::Peso, Qt::Horizontal).toString(), QStringLiteral("Peso (kg)"));

    const auto expected = [&](const QString &where, const QVariantList &parameters) {
        return host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis WHERE ") + where, parameters).toLongLong();
    };
    struct Case
    {
        GuideFilter filter;
        QString where;
        QVariantList parameters;
    };
    const QDate from = FirstDay.addDays(3);
    const QDate to = FirstDay.addDays(5);
    const Case cases[] = {
        {{GuideFilter::State::Open, {}, {}}, QStringLiteral("Cerrada = 0"), {}},
        {{GuideFilter::State::Closed, {}, {}}, QStringLiteral("Cerrada <> 0"), {}},
        // Both ends included, whatever the time of day.
        {{GuideFilter::State::All, from, to}, QStringLiteral("fecha >= ? AND fecha < ?"),
         {from.startOfDay(), to.addDays(1).startOfDay()}},
        {{GuideFilter::State::Open, from, {}}, QStringLiteral("Cerrada = 0 AND fecha >= ?"), {from.startOfDay()}},
        {{GuideFilter::State::Closed, {}, to}, QStringLiteral("Cerrada <> 0 AND fecha < ?"),
         {to.addDays(1).startOfDay()}},
    };
    for (const Case &c : cases) {
        model.setFilter(c.filter);
        const qint64 count = expected(c.where, c.parameters);
        ASSERT_GT(count, 0) << c.where.toStdString();
        EXPECT_EQ(model.total(), count) << c.where.toStdString();
        EXPECT_EQ(qint64(fetchAll(model).size()), count) << c.where.toStdString();
        for (int row = 0; row < model.rowCount(); ++row) {
            const QDate day = QDate::fromString(text(model, row, GuideListQuery::Fecha), QStringLiteral("dd-MM-yyyy"));
            const QString state = text(model, row, GuideListQuery::Estado);
            ASSERT_TRUE(c.filter.state != GuideFilter::State::Open || state == QStringLiteral("Abierta"));
            ASSERT_TRUE(c.filter.state != GuideFilter::State::Closed || state == QStringLiteral("Cerrada"));
            ASSERT_TRUE(!c.filter.from.isValid() || day >= c.filter.from) << day.toString().toStdString();
            ASSERT_TRUE(!c.filter.to.isValid() || day <= c.filter.to) << day.toString().toStdString();
        }
    }
}

TEST(GuideList, ADatabaseFailureWhileScrollingIsReportedAndEndsTheList)
{
    TestHost host;
    seedGuides(host);
    testsupport::FaultyFramework faulty(host.framework());
    testsupport::ScriptedCommonUtilitiesScope utilities;
    GuideListModel model(faulty);
    model.reload();
    ASSERT_EQ(model.rowCount(), GuideListModel::PageSize);

    faulty.failStatement(1);
    model.fetchMore(QModelIndex());
    EXPECT_EQ(model.rowCount(), GuideListModel::PageSize);
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
    ASSERT_EQ(utilities->errors.size(), 1u);
    EXPECT_EQ(utilities->errors.front().source, QStringLiteral("GuideListModel::fetchMore"));

    // A failing sort (the header's click) is reported the same way and leaves an empty list.
    faulty.failStatement(1);
    model.sort(GuideListQuery::Fecha, Qt::AscendingOrder);
    EXPECT_EQ(model.rowCount(), 0);
    ASSERT_EQ(utilities->errors.size(), 2u);
    EXPECT_EQ(utilities->errors.back().source, QStringLiteral("GuideListModel::sort"));
}
