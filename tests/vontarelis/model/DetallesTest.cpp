#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/VariantConvert.h"

#include <algorithm>

using modeltest::ModelTestBase;
using vontarelis::GuiaDespacho;

namespace {

class DetallesTest : public ModelTestBase
{
protected:
    DetallesTest()
    {
        host.addItem(QStringLiteral("CEM"), QStringLiteral("Cemento gris"), 42.5);
        host.addItem(QStringLiteral("ARE"), QStringLiteral("Arena lavada"), 1.25);
        host.addItem(QStringLiteral("CAB"), QStringLiteral("Cabilla 1/2"), 6.0);
    }

    qint32 invoice(qint32 correlativo)
    {
        return host.addFactura(QStringLiteral("A"), correlativo, QStringLiteral("K1"), QStringLiteral("Cliente"), 100.0,
                               16.0, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
    }

    GuiaDespacho savedGuide(const QList<qint32> &facturas)
    {
        GuiaDespacho guia = newGuide();
        guia.startProcess();
        for (const qint32 numero : facturas)
            guia.addFactura(numero);
        return guia;
    }

    struct Line
    {
        QString codigo;
        QString descripcion;
        double unidades;
        double peso;
        double volumen;
    };

    static std::vector<Line> linesOf(GuiaDespacho &guia)
    {
        std::vector<Line> lines;
        for (const auto &detalle : *guia.detalles())
            lines.push_back({detalle->codigoItem(), detalle->descripcion(), detalle->unidades(), detalle->peso(),
                             detalle->volumen()});
        return lines;
    }
};

TEST_F(DetallesTest, GuidesWithoutMovementsHaveNoLines)
{
    GuiaDespacho unsaved;
    EXPECT_TRUE(unsaved.detalles()->isEmpty());

    GuiaDespacho withoutInvoices = savedGuide({});
    EXPECT_TRUE(withoutInvoices.detalles()->isEmpty());

    const qint32 numero = invoice(1);
    GuiaDespacho withoutMovements = savedGuide({numero});
    EXPECT_TRUE(withoutMovements.detalles()->isEmpty());
}

TEST_F(DetallesTest, LinesAddUpTheGuidesInvoicesPerItemNetOfReturns)
{
    const qint32 first = invoice(1);
    const qint32 second = invoice(2);
    const qint32 elsewhere = invoice(3);
    host.addMovimiento(first, QStringLiteral("CEM"), 10);
    host.addMovimiento(second, QStringLiteral("CEM"), 4);
    host.addMovimiento(first, QStringLiteral("ARE"), 20, 8);
    host.addMovimiento(second, QStringLiteral("CAB"), 0, 0);
    host.addMovimiento(second, QStringLiteral("CAB"), 12, 12);
    host.addMovimiento(elsewhere, QStringLiteral("CEM"), 100);
    // A voucher of another kind of document with the same number is not the invoice's.
    host.exec(QStringLiteral("INSERT INTO ComprobantesAlmacen (TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                             "VALUES ('NCR', ?, '2024-03-02 00:00:00')"),
              {first});
    host.exec(QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas, Entradas) "
                             "VALUES ((SELECT MAX(numero) FROM ComprobantesAlmacen), 'CEM', 50, 0)"));

    GuiaDespacho guia = savedGuide({first, second});
    const auto lines = linesOf(guia);
    ASSERT_EQ(lines.size(), 3u);

    EXPECT_EQ(lines[0].codigo, QStringLiteral("ARE"));
    EXPECT_EQ(lines[0].descripcion, QStringLiteral("Arena lavada"));
    EXPECT_DOUBLE_EQ(lines[0].unidades, 12.0);
    EXPECT_DOUBLE_EQ(lines[0].peso, 15.0);

    // Fully returned: still a line, with nothing left.
    EXPECT_EQ(lines[1].codigo, QStringLiteral("CAB"));
    EXPECT_DOUBLE_EQ(lines[1].unidades, 0.0);
    EXPECT_DOUBLE_EQ(lines[1].peso, 0.0);

    EXPECT_EQ(lines[2].codigo, QStringLiteral("CEM"));
    EXPECT_EQ(lines[2].descripcion, QStringLiteral("Cemento gris"));
    EXPECT_DOUBLE_EQ(lines[2].unidades, 14.0);
    EXPECT_DOUBLE_EQ(lines[2].peso, 595.0);

    for (const Line &line : lines)
        EXPECT_EQ(line.volumen, 0.0);
}

TEST_F(DetallesTest, ItemsWithEqualDescriptionsStaySeparateLines)
{
    host.addItem(QStringLiteral("CEM50"), QStringLiteral("Cemento gris"), 50.0);
    host.addItem(QStringLiteral("CEM25"), QStringLiteral("Cemento gris"), 42.5);
    const qint32 numero = invoice(1);
    host.addMovimiento(numero, QStringLiteral("CEM"), 2);
    host.addMovimiento(numero, QStringLiteral("CEM50"), 3);
    host.addMovimiento(numero, QStringLiteral("CEM25"), 4);
    host.addMovimiento(numero, QStringLiteral("ARE"), 1);

    GuiaDespacho guia = savedGuide({numero});
    auto lines = linesOf(guia);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].codigo, QStringLiteral("ARE"));
    std::sort(lines.begin() + 1, lines.end(), [](const Line &a, const Line &b) { return a.codigo < b.codigo; });
    EXPECT_EQ(lines[1].codigo, QStringLiteral("CEM"));
    EXPECT_DOUBLE_EQ(lines[1].peso, 85.0);
    EXPECT_EQ(lines[2].codigo, QStringLiteral("CEM25"));
    EXPECT_DOUBLE_EQ(lines[2].peso, 170.0);
    EXPECT_EQ(lines[3].codigo, QStringLiteral("CEM50"));
    EXPECT_DOUBLE_EQ(lines[3].unidades, 3.0);
    EXPECT_DOUBLE_EQ(lines[3].peso, 150.0);
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].descripcion, QStringLiteral("Cemento gris"));
}

TEST_F(DetallesTest, LinesAreCachedUntilInvalidated)
{
    const qint32 first = invoice(1);
    const qint32 second = invoice(2);
    host.addMovimiento(first, QStringLiteral("CEM"), 10);
    host.addMovimiento(second, QStringLiteral("ARE"), 3);
    GuiaDespacho guia = savedGuide({first});

    const auto cached = guia.detalles();
    ASSERT_EQ(cached->size(), 1);
    guia.addFactura(second);
    GuiaDespacho other;
    ASSERT_TRUE(other.Load(guia.id()));
    EXPECT_EQ(other.detalles()->size(), 2);

    EXPECT_EQ(guia.detalles(), cached);
    EXPECT_EQ(guia.detalles()->size(), 1);
    ASSERT_TRUE(guia.Load(guia.id()));
    EXPECT_EQ(guia.detalles(), cached);

    guia.invalidateDetalles();
    const auto fresh = guia.detalles();
    EXPECT_NE(fresh, cached);
    EXPECT_EQ(fresh->size(), 2);
    // Whoever holds the old collection keeps its lines.
    EXPECT_EQ(cached->size(), 1);
    EXPECT_EQ(cached->first()->codigoItem(), QStringLiteral("CEM"));

    // An empty result is cached as well.
    GuiaDespacho empty = savedGuide({});
    const auto none = empty.detalles();
    empty.addFactura(invoice(3));
    host.addMovimiento(toolkit::toLong(host.scalar(QStringLiteral("SELECT MAX(numero) FROM facturas"))),
                       QStringLiteral("CAB"), 1);
    EXPECT_EQ(empty.detalles(), none);
    EXPECT_TRUE(empty.detalles()->isEmpty());
}

TEST_F(DetallesTest, ThePrintLibrarySeesTheSameLines)
{
    const qint32 numero = invoice(1);
    host.addMovimiento(numero, QStringLiteral("CEM"), 2);
    host.addMovimiento(numero, QStringLiteral("ARE"), 4);
    GuiaDespacho guia = savedGuide({numero});
    const auto lines = guia.detalles();
    const auto documents = guia.documentLines();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents[0].get(), static_cast<host::IDocument *>(lines->at(0).get()));
    EXPECT_EQ(documents[1].get(), static_cast<host::IDocument *>(lines->at(1).get()));
}

} // namespace
