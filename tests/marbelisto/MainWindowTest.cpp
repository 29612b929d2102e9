#include "support/TestHost.h"

#include "marbelisto/app/MainWindow.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using testsupport::TestHost;

TEST(MainWindow, ShowsWhatTheDatabaseHoldsAndOffersTheDispatchMenu)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega"), QStringLiteral("Z1"), QString());
    const QDateTime day = QDate(2024, 3, 1).startOfDay();
    host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"), 1.0, 0.0, 1.0, day);
    const qint32 onGuide =
        host.addFactura(QStringLiteral("A"), 2, QStringLiteral("CL1"), QStringLiteral("Bodega"), 1.0, 0.0, 1.0, day);
    host.addFactura(QStringLiteral("A"), 3, QStringLiteral("CL1"), QStringLiteral("Bodega"), 1.0, 0.0, 1.0, day, true);
    host.addFactura(QStringLiteral("A"), 4, QStringLiteral("NOHAY"), QStringLiteral("Sin ficha"), 1.0, 0.0, 1.0, day);
    host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                             "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C', 1, ?, 'OP', 1, 0, 0, 0, '', 'Z1')"),
              {day});
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, ?)"), {onGuide});
    host.addVehiculo(host.addTipoVehiculo(QStringLiteral("Camión")), QStringLiteral("A45BK2R"));

    marbelisto::MainWindow window(host.framework());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Marbelisto"));
    ASSERT_NE(window.menuDespacho(), nullptr);
    EXPECT_EQ(window.menuDespacho()->title().remove(u'&'), QStringLiteral("Despacho"));
    EXPECT_TRUE(window.menuBar()->actions().contains(window.menuDespacho()->menuAction()));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblEmpresa"))->text(),
              QStringLiteral("Distribuidora de Prueba, C.A."));

    const auto figures = [&] {
        QStringList shown;
        for (const char *label : {"Facturas por despachar", "Facturas en guías abiertas", "Facturas despachadas",
                                  "Guías abiertas", "Guías cerradas", "Vehículos"}) {
            const auto *value = window.findChild<QLabel *>(QString::fromUtf8(label));
            shown.append(value ? value->text() : QStringLiteral("(missing)"));
        }
        return shown.join(u' ');
    };
    EXPECT_EQ(figures(), QStringLiteral("1 1 1 1 0 1"));
    host.exec(QStringLiteral("UPDATE gdVontarelis SET cerrada = 1"));
    window.refresh();
    EXPECT_EQ(figures(), QStringLiteral("1 0 1 0 1 1"));
}
