// The guide-creation dialog over large books: "Cargar las facturas" with 100,000 and with 2,000
// open invoices, timed beside the bare query run by the sqlite3 shell on the same file, and
// "Procesar" with 5,000 ticked invoices of 1,000 customers (guide, links, their 1,000 stops,
// commit and the print to a PDF folder).
#include "BenchTimer.h"
#include "SqliteShell.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/db/SpanishCollation.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/FlexGrid.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/InvoiceSearch.h"
#include "vontarelis/forms/select/frmSelectFacturas.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QKeyEvent>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Notices are counted, questions answered no: nothing modal stops the clock. The one yes lets
// the guide, which has no vehicle, be registered without one.
class QuietUtilities : public hostlibs::StandardCommonUtilities
{
public:
    void ShowMessage(const QString &) override { ++messages; }
    bool AskYesNo(const QString &prompt, bool, const QString &) override
    {
        return prompt == QStringLiteral("La guía no tiene vehículo. ¿Desea registrarla así?");
    }
    void ReportError(qint32, qint32, const QString &description, const QString &) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(description));
        ++errors;
    }
    int messages = 0;
    int errors = 0;
};

// A book whose every invoice is open and on no guide.
struct Book
{
    explicit Book(int invoices) : data(folder.path())
    {
        auto database = marbelisto::SqliteDatabase::create(data.databaseFile());
        marbelisto::DemoData({.invoices = invoices, .today = QDate(2024, 6, 28)}).fill(*database);
        framework = std::make_unique<marbelisto::Framework>(std::move(database), data, QStringLiteral("BENCH"));
        marbelisto::DataTemplate::besideProgram(QCoreApplication::applicationDirPath()).copyInto(data.path());
        framework->ExecuteSQLA(QStringLiteral("UPDATE facturas SET Despachada = 0"), {});
        framework->ExecuteSQLA(QStringLiteral("DELETE FROM gdFacturasGuia"), {});
        framework->ExecuteSQLA(QStringLiteral("DELETE FROM Configuracion WHERE UPPER(clave) = 'IMPRESORA'"), {});
        framework->ExecuteSQLA(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('Impresora', ?)"),
                               {printer.path()});
        vontarelis::InitHostContext(*framework);
        // Written out before any clock starts: the kernel flushing the new book in the middle of
        // a timed load would charge the load with it.
        ::sync();
    }

    QTemporaryDir folder;
    QTemporaryDir printer;
    marbelisto::DataFolder data;
    std::unique_ptr<marbelisto::Framework> framework;
};

struct Dialog
{
    Dialog()
    {
        form.show();
        QCoreApplication::processEvents();
    }
    template <typename T = QWidget>
    T *control(const char *name)
    {
        return form.findChild<T *>(QString::fromLatin1(name));
    }
    toolkit::FlexGrid &grid() { return *control<toolkit::FlexGrid>("detalles"); }
    // The load as the button's click runs it, until the grid is drawn again.
    double load()
    {
        const BenchTimer timer;
        control<QPushButton>("cbCargarFacturas")->click();
        QCoreApplication::processEvents();
        return timer.seconds();
    }

    vontarelis::frmSelectFacturas form;
};

// The same statement on a bare SQLite connection in this process, every column read once as
// text as the shell prints it: what reading costs without the shell's process and output.
void timeBareLibrary(const QString &databaseFile, const QString &sql)
{
    sqlite3 *handle = nullptr;
    if (sqlite3_open_v2(qPrintable(databaseFile), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::printf("invoice_query_100k_sqlite3_bare: failed (%s)\n", sqlite3_errmsg(handle));
        sqlite3_close(handle);
        return;
    }
    {
        const marbelisto::SpanishCollation collation(handle);
        const BenchTimer timer;
        sqlite3_stmt *statement = nullptr;
        const QByteArray text = sql.toUtf8();
        long long rows = 0;
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                for (int col = 0; col < sqlite3_column_count(statement); ++col)
                    sqlite3_column_text(statement, col);
                ++rows;
            }
        }
        sqlite3_finalize(statement);
        BenchTimer::report("invoice_query_100k_sqlite3_bare", timer.seconds(), "s");
        BenchTimer::report("invoice_query_100k_sqlite3_bare_rows", rows, "rows");
    }
    sqlite3_close(handle);
}

constexpr int Runs = 5;

bool loadLarge(QuietUtilities &utilities)
{
    const Book book(100000);
    {
        // The part of the load that reads the recordset, before any grid work.
        const BenchTimer timer;
        vontarelis::InvoiceSearch::read(QString(), QString(), [](vontarelis::InvoiceRow &&) {});
        BenchTimer::report("invoice_read_100k", timer.seconds(), "s");
    }
    // Five loads, each in a new dialog, taking turns with five shell runs so that both meet the
    // machine in the same moods; the fastest of each is the figure.
    const QString bare = SqliteShell::asTheHostRunsIt(vontarelis::InvoiceSearch::sql(QString(), QString()));
    std::optional<double> load;
    std::optional<double> shell;
    QString shellFailure;
    qint32 rows = 0;
    for (int run = 0; run < Runs; ++run) {
        {
            Dialog dialog;
            const double once = dialog.load();
            load = std::min(load.value_or(once), once);
            rows = dialog.grid().Rows();
        }
        if (!shellFailure.isEmpty())
            continue;
        if (const auto once = SqliteShell::runOnce(book.data.databaseFile(), bare, shellFailure))
            shell = std::min(shell.value_or(*once), *once);
    }
    BenchTimer::report("invoice_load_100k", *load, "s");
    BenchTimer::report("invoice_load_100k_rows", (long long)(rows - 1), "rows");
    if (shell) {
        BenchTimer::report("invoice_query_100k_sqlite3_shell", *shell, "s");
        BenchTimer::report("invoice_load_100k_per_shell", *load / *shell, "x");
    } else {
        std::printf("invoice_query_100k_sqlite3_shell: %s\n", qPrintable(shellFailure));
    }
    timeBareLibrary(book.data.databaseFile(), bare);
    return rows == 100001 && utilities.errors == 0;
}

bool loadSmall(QuietUtilities &utilities)
{
    const Book book(2000);
    Dialog dialog;
    BenchTimer::report("invoice_load_2k", dialog.load() * 1000.0, "ms");
    return dialog.grid().Rows() == 2001 && utilities.errors == 0;
}

void press(QWidget &widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &up);
}

bool registerGuide(QuietUtilities &utilities)
{
    const Book book(5000);
    // A thousand customers of five invoices each: the guide makes a thousand stops.
    book.framework->ExecuteSQLA(
        QStringLiteral("INSERT INTO clientes (codigo, nombre, Zona, VendedorAsignado, ordenRuta) "
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                       "SELECT printf('PB%04d', i), printf('Parada %04d', i), '', '', 1001 - i FROM n"),
        {});
    book.framework->ExecuteSQLA(
        QStringLiteral("UPDATE facturas SET codigoCliente = printf('PB%04d', numero % 1000 + 1)"), {});
    Dialog dialog;
    dialog.load();
    // Every row ticked with the space bar, as a user walking down the grid would.
    toolkit::FlexGrid &grid = dialog.grid();
    grid.setFocus();
    press(grid, Qt::Key_Home, Qt::ControlModifier);
    for (int row = 1; row < grid.Rows(); ++row) {
        press(grid, Qt::Key_Space, {}, QStringLiteral(" "));
        press(grid, Qt::Key_Down);
    }
    const QString ticked = dialog.control<QLabel>("lblqFacturas")->text();
    const BenchTimer timer;
    dialog.control<QPushButton>("cbOk")->click();
    BenchTimer::report("register_guide_5000_in_1000_stops", timer.seconds(), "s");
    const QVariant links =
        book.framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia"), {});
    BenchTimer::report("register_guide_5000_links", (long long)links.toLongLong(), "links");
    const QVariant stops = book.framework->ReadScalarA(
        QStringLiteral("SELECT COUNT(DISTINCT Parada) FROM gdFacturasGuia WHERE Parada IS NOT NULL"), {});
    BenchTimer::report("register_guide_5000_stops", (long long)stops.toLongLong(), "stops");
    if (ticked != QStringLiteral("5,000") && ticked != QStringLiteral("5.000"))
        std::fprintf(stderr, "register_guide_5000: %s rows ticked\n", qPrintable(ticked));
    return links.toLongLong() == 5000 && stops.toLongLong() == 1000 && utilities.errors == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    auto quiet = std::make_unique<QuietUtilities>();
    QuietUtilities &utilities = *quiet;
    hostlibs::InstallCommonUtilities(std::move(quiet));
    const bool ok = loadLarge(utilities) && loadSmall(utilities) && registerGuide(utilities);
    return ok ? 0 : 1;
}
