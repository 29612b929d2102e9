// The main window over a book of 100,000 dispatch guides: from opening the database until the
// guide list shows its first rows; a click on the driver's header (a sort of the whole table);
// and the list's last page in that order, what scrolling to the very end costs per page.
#include "BenchTimer.h"

#include "marbelisto/app/MainWindow.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/BulkInsert.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/Framework.h"
#include "marbelisto/ui/GuideListModel.h"
#include "marbelisto/ui/GuideListPanel.h"

#include "toolkit/Error.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

constexpr int Guides = 100000;

void addGuides(marbelisto::Database &database)
{
    database.beginTransaction();
    marbelisto::BulkInsert guides(database,
                                  QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, "
                                                 "facturas, totalPeso, totalPrecioVenta, totalIVA, vendedor, zona, "
                                                 "Cerrada) VALUES (?, ?, ?, 'BENCH', ?, ?, ?, ?, '', '', ?)"));
    const QDate first(2015, 1, 1);
    for (int i = 1; i <= Guides; ++i) {
        guides.row({QStringLiteral("C%1").arg(i % 12 + 1, 2, 10, QLatin1Char('0')), i % 8 + 1,
                    first.addDays(i / 30).startOfDay(), i % 9 + 1, 800.0 + i % 4000, 1000.0 + i % 9000,
                    160.0 + i % 1440, i < Guides - 40});
    }
    database.commitTransaction();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const marbelisto::DataFolder data(folder.path());
    {
        auto database = marbelisto::SqliteDatabase::create(data.databaseFile());
        marbelisto::DemoData({.invoices = 200, .today = QDate(2024, 6, 28)}).fill(*database);
    }
    {
        auto database = marbelisto::SqliteDatabase::open(data.databaseFile());
        addGuides(*database);
    }
    const auto noComponent = []() -> host::IActivator & {
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("sin componente"));
    };

    const BenchTimer opening;
    const auto framework = marbelisto::Framework::open(data.path(), QStringLiteral("BENCH"));
    marbelisto::MainWindow window(*framework, noComponent);
    window.resize(1180, 700);
    window.show();
    QApplication::processEvents();
    const marbelisto::GuideListModel &list = window.guides().model();
    BenchTimer::report("main_window_100k_guides_first_rows", opening.seconds(), "s");
    if (list.rowCount() == 0 || list.total() < Guides)
        return 1;

    marbelisto::GuideListModel &model = window.guides().model();
    const BenchTimer sorting;
    model.sort(marbelisto::GuideListQuery::Conductor, Qt::AscendingOrder);
    BenchTimer::report("guide_list_100k_sort_by_driver", sorting.seconds(), "s");

    const marbelisto::GuideListQuery query(marbelisto::GuideFilter(), marbelisto::GuideListQuery::Conductor,
                                           Qt::AscendingOrder);
    const BenchTimer lastPage;
    int rows = 0;
    for (auto rs = framework->OpenRecordsetA(query.pageSql(),
                                             query.pageParameters(marbelisto::GuideListModel::PageSize,
                                                                  Guides - marbelisto::GuideListModel::PageSize));
         !rs->Eof(); rs->MoveNext())
        ++rows;
    BenchTimer::report("guide_list_100k_last_page_by_driver", lastPage.seconds(), "s");
    return rows == marbelisto::GuideListModel::PageSize ? 0 : 1;
}
