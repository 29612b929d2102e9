#include "vontarelis/model/ModelTestBase.h"

#include <algorithm>

using namespace Qt::StringLiterals;

using vontarelis::GuiaDespacho;

namespace {

class DetallesTest : public modeltest::ModelTestBase
{
protected:
    // Item codes sort against their descriptions, so lines in code order, or in no order at
    // all, fail where the guide must list them by description.
    DetallesTest()
    {
        host.addItem("1CEM", "Cemento gris", 42.5, 0.04);
        host.addItem("3ARE", "Arena lavada", 1.25, 0.001);
        host.addItem("2CAB", "Cabilla 1/2", 6.0, 0.002);
    }

    qint32 invoice(qint32 correlativo)
    {
        return host.addFactura("A", correlativo, "K1", "Cliente", 100.0, 16.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
    }

    GuiaDespacho savedGuide(const QList<qint32> &facturas)
    {
        GuiaDespacho guia = newGuide();
        guia.startProcess();
        for (const qint32 numero : facturas)
            guia.addFactura(numero);
        return guia;
    }

    // "codigo|descripcion|unidades|peso|volumen" per line, in the guide's order.
    static QStringList linesOf(GuiaDespacho &guia)
    {
        QStringList lines;
        for (const auto &d : *guia.detalles())
            lines.append(QStringList{d->codigoItem(), d->descripcion(), QString::number(d->unidades()),
                                     QString::number(d->peso()), QString::number(d->volumen())}
                             .join(u'|'));
        return lines;
    }
};

TEST_F(DetallesTest, GuidesWithoutMovementsHaveNoLines)
{
    GuiaDespacho unsaved;
    GuiaDespacho withoutInvoices = savedGuide({});
    GuiaDespacho withoutMovements = savedGuide({invoice(1)});
    for (GuiaDespacho *guia : {&unsaved, &withoutInvoices, &withoutMovements})
        EXPECT_TRUE(guia->detalles()->isEmpty()) << guia->id();
}

TEST_F(DetallesTest, OneLinePerItemNetOfReturnsSortedByDescription)
{
    host.addItem("1CEM50", "Cemento gris", 50.0, 0.05);
    host.addItem("1CEM25", "Cemento gris", 42.5, 0.04);
    const qint32 first = invoice(1);
    const qint32 second = invoice(2);
    const qint32 elsewhere = invoice(3);
    host.addMovimiento(first, "1CEM", 10);
    host.addMovimiento(second, "1CEM", 4);
    host.addMovimiento(first, "3ARE", 20, 8);
    host.addMovimiento(second, "2CAB", 0, 0);
    host.addMovimiento(second, "2CAB", 12, 12);
    host.addMovimiento(first, "1CEM50", 3);
    host.addMovimiento(second, "1CEM25", 4);
    host.addMovimiento(elsewhere, "1CEM", 100);
    // A voucher of another kind of document with the same number is not the invoice's.
    host.ownerExec("INSERT INTO ComprobantesAlmacen (TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                   "VALUES ('NCR', ?, '2024-03-02 00:00:00')",
                   {first});
    host.ownerExec("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas, Entradas) "
                   "VALUES ((SELECT MAX(numero) FROM ComprobantesAlmacen), '1CEM', 50, 0)");

    GuiaDespacho guia = savedGuide({first, second});
    QStringList lines = linesOf(guia);
    ASSERT_EQ(lines.size(), 5);
    // Equal descriptions come in no given order among themselves.
    std::sort(lines.begin() + 2, lines.end());
    // Weight and volume of the net units: each item's unit figures times what stayed out.
    EXPECT_EQ(lines, QStringList({"3ARE|Arena lavada|12|15|0.012",
                                  // Fully returned: still a line, with nothing left.
                                  "2CAB|Cabilla 1/2|0|0|0", "1CEM25|Cemento gris|4|170|0.16",
                                  "1CEM50|Cemento gris|3|150|0.15", "1CEM|Cemento gris|14|595|0.56"}));
}

TEST_F(DetallesTest, LinesFollowSpanishOrderWhateverTheCase)
{
    // Byte order would put "Mayonesa" before "Maíz pilado", "Pasta" before "Pañales" and
    // every capital before every small letter.
    const QStringList descriptions{"Pasta", "papel", "Pañales", "MAYONESA", "Malta", "maíz pilado"};
    const qint32 numero = invoice(1);
    for (qsizetype i = 0; i < descriptions.size(); ++i) {
        const QString codigo = QStringLiteral("P%1").arg(i);
        host.addItem(codigo, descriptions[i], 1.0);
        host.addMovimiento(numero, codigo, double(i + 1));
    }
    GuiaDespacho guia = savedGuide({numero});
    QStringList order;
    for (const auto &d : *guia.detalles())
        order.append(d->descripcion());
    EXPECT_EQ(order, QStringList({"maíz pilado", "Malta", "MAYONESA", "Pañales", "papel", "Pasta"}));
}

TEST_F(DetallesTest, LinesAreCachedUntilInvalidated)
{
    const qint32 first = invoice(1);
    const qint32 second = invoice(2);
    host.addMovimiento(first, "1CEM", 10);
    host.addMovimiento(second, "3ARE", 3);
    GuiaDespacho guia = savedGuide({first});

    const auto cached = guia.detalles();
    ASSERT_EQ(cached->size(), 1);
    guia.addFactura(second);
    ASSERT_TRUE(guia.Load(guia.id()));
    EXPECT_EQ(guia.detalles(), cached);
    EXPECT_EQ(cached->size(), 1);

    guia.invalidateDetalles();
    const auto fresh = guia.detalles();
    EXPECT_NE(fresh, cached);
    EXPECT_EQ(fresh->size(), 2);
    // Whoever holds the old collection keeps its lines; the print library gets the new ones.
    EXPECT_EQ(cached->first()->codigoItem(), u"1CEM"_s);
    const auto documents = guia.documentLines();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents[1].get(), static_cast<host::IDocument *>(fresh->at(1).get()));

    // An empty result is cached as well.
    GuiaDespacho empty = savedGuide({});
    const auto none = empty.detalles();
    const qint32 third = invoice(3);
    host.addMovimiento(third, "2CAB", 1);
    empty.addFactura(third);
    EXPECT_EQ(empty.detalles(), none);
    EXPECT_TRUE(none->isEmpty());
}

} // namespace
