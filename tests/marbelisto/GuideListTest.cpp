#include "marbelisto/ui/GuideListModel.h"

#include "support/FaultyFramework.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

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
    host.addVendedor("C01", "Pedro Pérez", true);
    host.addVendedor("C02", "Ana Díaz", true);
    const qint32 tipo = host.addTipoVehiculo("Camión");
    host.addVehiculo(tipo, "A45BK2R");
    host.addVehiculo(tipo, "B12CD3E");
    host.framework().StartTransaction();
    for (int i = 1; i <= Guides; ++i)
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                  "totalIVA, vendedor, zona, Cerrada) VALUES (?, ?, ?, 'OP', ?, ?, ?, ?, '', '', ?)",
                  {QStringList({"C01", "C02", "X9"}).at(i % 3), i % 3 + 1, QDateTime(FirstDay.addDays(i % 15), QTime(9, 30)),
                   i % 7 + 1, 1234.5 + i, double((i * 37) % 1000), 16.0, i % 3 == 0});
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

QStringList row(const GuideListModel &model, int row)
{
    QStringList texts;
    for (int column = 0; column < GuideListQuery::ColumnCount; ++column)
        texts << text(model, row, column);
    return texts;
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
    EXPECT_EQ(text(model, 0, GuideListQuery::Conductor), u"Ana Díaz (C02)"_s);

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

    // Guide 450: 450 % 3 == 0, so driver C01, vehicle 1, closed; 450 % 15 == 0, first day. Guide 449:
    // an unknown driver shows by code, a missing vehicle as no plate.
    EXPECT_EQ(row(model, 0), QStringList({"450", "01-03-2024", "Pedro Pérez (C01)", "A45BK2R", "3", "1,684.50", "666.00", "Cerrada"}));
    EXPECT_EQ(row(model, 1), QStringList({"449", "15-03-2024", "X9", "", "2", "1,683.50", "629.00", "Abierta"}));
    EXPECT_EQ(model.headerData(GuideListQuery::Peso, Qt::Horizontal).toString(), u"Peso (kg)"_s);

    const auto expected = [&](const QString &where, const QVariantList &parameters) {
        return host.scalar("SELECT COUNT(*) FROM gdVontarelis WHERE " + where, parameters).toLongLong();
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
        {{GuideFilter::State::Open, {}, {}}, "Cerrada = 0", {}},
        {{GuideFilter::State::Closed, {}, {}}, "Cerrada <> 0", {}},
        // Both ends included, whatever the time of day.
        {{GuideFilter::State::All, from, to}, "fecha >= ? AND fecha < ?", {from.startOfDay(), to.addDays(1).startOfDay()}},
        {{GuideFilter::State::Open, from, {}}, "Cerrada = 0 AND fecha >= ?", {from.startOfDay()}},
        {{GuideFilter::State::Closed, {}, to}, "Cerrada <> 0 AND fecha < ?", {to.addDays(1).startOfDay()}},
    };
    for (const Case &c : cases) {
        model.setFilter(c.filter);
        const qint64 count = expected(c.where, c.parameters);
        ASSERT_GT(count, 0) << c.where.toStdString();
        EXPECT_EQ(model.total(), count) << c.where.toStdString();
        EXPECT_EQ(qint64(fetchAll(model).size()), count) << c.where.toStdString();
        for (int row = 0; row < model.rowCount(); ++row) {
            const QDate day = QDate::fromString(text(model, row, GuideListQuery::Fecha), "dd-MM-yyyy");
            const QString state = text(model, row, GuideListQuery::Estado);
            ASSERT_TRUE(c.filter.state != GuideFilter::State::Open || state == "Abierta");
            ASSERT_TRUE(c.filter.state != GuideFilter::State::Closed || state == "Cerrada");
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
    EXPECT_EQ(utilities->errors.front().source, u"GuideListModel::fetchMore"_s);

    // A failing sort (the header's click) is reported the same way and leaves an empty list.
    faulty.failStatement(1);
    model.sort(GuideListQuery::Fecha, Qt::AscendingOrder);
    EXPECT_EQ(model.rowCount(), 0);
    ASSERT_EQ(utilities->errors.size(), 2u);
    EXPECT_EQ(utilities->errors.back().source, u"GuideListModel::sort"_s);
}
