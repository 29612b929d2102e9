// Fills a shown grid with 100,000 invoice rows of 10 columns through TextMatrix, the way the
// invoice load does: 300 rows first, 50 more whenever the next row index reaches Rows, the tick
// cell through Row, Col, CellFontName and Text, and a final cut to the exact count.
#include "BenchTimer.h"

#include "toolkit/FlexGrid.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

constexpr int InvoiceCount = 100000;

double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(status.readAll());
    const auto match = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+)\\s*kB")).match(text);
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : -1;
}

void fill(toolkit::FlexGrid &grid)
{
    const QStringList customers{QStringLiteral("Distribuidora El Centro, C.A."), QStringLiteral("Ferretería La Esquina"),
                                QStringLiteral("Comercial Los Andes S.R.L."), QStringLiteral("Inversiones Marbella")};
    grid.setRows(300);
    qint32 row = grid.FixedRows();
    for (int invoice = 0; invoice < InvoiceCount; ++invoice) {
        if (row == grid.Rows())
            grid.setRows(grid.Rows() + 50);
        const double net = 100.0 + invoice % 997;
        grid.setTextMatrix(row, 0, QStringLiteral("A-%1").arg(invoice + 1, 6, 10, QLatin1Char('0')));
        grid.setTextMatrix(row, 1, QStringLiteral("%1-03-2024").arg(1 + invoice % 28, 2, 10, QLatin1Char('0')));
        grid.setTextMatrix(row, 2, customers.at(invoice % customers.size()));
        grid.setTextMatrix(row, 3, QString::number(net * 1.16, 'f', 2));
        grid.setRow(row);
        grid.setCol(4);
        grid.setCellFontName(QStringLiteral("Wingdings"));
        grid.setText(QStringLiteral("o"));
        grid.setTextMatrix(row, 6, QString::number(net));
        grid.setTextMatrix(row, 7, QString::number(net * 0.16));
        grid.setTextMatrix(row, 8, QString::number(invoice + 1));
        grid.setTextMatrix(row, 5, QString::number(12.5 + invoice % 50));
        grid.setTextMatrix(row, 9, QString());
        ++row;
    }
    grid.setRows(row);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    toolkit::FlexGrid grid;
    grid.setFixedCols(0);
    grid.setFormatString(QStringLiteral("Numero de Factura|Fecha            |Cliente                                     |"
                                        "Valor total      |^Incluir   |||||"));
    for (int col = 5; col < grid.Cols(); ++col)
        grid.setColWidth(col, 0);
    grid.resize(900, 500);
    grid.show();
    QCoreApplication::processEvents();

    const BenchTimer timer;
    fill(grid);
    QCoreApplication::processEvents();
    const double seconds = timer.seconds();

    if (grid.Rows() != InvoiceCount + 1 || grid.TextMatrix(InvoiceCount, 8) != QString::number(InvoiceCount)) {
        std::fprintf(stderr, "flexgrid_fill_100k: the grid does not hold what was written\n");
        return 1;
    }
    BenchTimer::report("flexgrid_fill_100k", seconds, "s");
    BenchTimer::report("flexgrid_fill_100k_peak_rss", peakResidentMegabytes(), "MB");
    return 0;
}
