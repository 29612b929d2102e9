#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/model/vehiculos.h"

#include <functional>

using vontarelis::GuiaDespacho;

namespace {

// A second workstation on the test host's database that runs a hook right before it reads an
// identity, as another insert can fall between an insert and that read.
class RacingFramework : public marbelisto::Framework
{
public:
    RacingFramework(const testsupport::TestHost &host, std::function<void()> hook)
        : Framework(host.openDatabase(), marbelisto::DataFolder(host.dataPath()), "OPERADOR"), m_hook(std::move(hook))
    {
    }

    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        if (sql.contains("IDENT", Qt::CaseInsensitive))
            m_hook();
        return Framework::ReadScalarA(sql, parameters);
    }

private:
    std::function<void()> m_hook;
};

class GuiaDespachoTest : public modeltest::ModelTestBase
{
protected:
    qint32 storeGuide(const QString &vendedor, int cerrada)
    {
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, horaRegistro, operador, facturas, totalPeso, "
                  "totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) VALUES ('C07', 4, '2024-03-15 00:00:00', "
                  "'2024-03-16 14:35:10', 'ANA', 12, 830.25, 1234.5678, 197.53, ?, 'Z2', ?)",
                  {vendedor, cerrada});
        return number("SELECT MAX(id) FROM gdVontarelis");
    }

    qint32 number(const QString &sql, const QVariantList &parameters = {})
    {
        return toolkit::toLong(host.scalar(sql, parameters));
    }
    qint32 linksOf(qint32 guide) { return number("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?", {guide}); }

    // Every field in interface order, so one comparison shows every difference.
    static QStringList fieldsOf(const GuiaDespacho &g)
    {
        return {QString::number(g.id()), g.codigoConductor(), QString::number(g.idVehiculo()),
                g.fecha().toString(Qt::ISODate), g.horaRegistro().toString(Qt::ISODate), g.operador(),
                QString::number(g.facturas()), QString::number(g.totalPeso(), 'g', 17),
                QString::number(g.totalPrecioVenta().raw()), QString::number(g.totalIVA().raw()), g.codigoVendedor(),
                g.zona(), g.Cerrada() ? "true" : "false"};
    }
};

TEST_F(GuiaDespachoTest, LoadFillsEveryFieldOrLeavesTheObjectAsItWas)
{
    const qint32 open = storeGuide("V03", 0);
    const qint32 closed = storeGuide("", 1);

    GuiaDespacho guia;
    const auto lines = guia.detalles();
    ASSERT_TRUE(guia.Load(open));
    const QStringList stored{QString::number(open), "C07", "4", "2024-03-15T00:00:00", "2024-03-16T14:35:10", "ANA", "12",
                             "830.25", "12345678", "1975300", "V03", "Z2", "false"};
    EXPECT_EQ(fieldsOf(guia), stored);
    EXPECT_EQ(guia.detalles(), lines) << "loading keeps the cached lines";

    EXPECT_FALSE(guia.Load(closed + 1));
    EXPECT_EQ(fieldsOf(guia), stored);
    EXPECT_EQ(guia.detalles(), lines);

    ASSERT_TRUE(guia.Load(closed));
    EXPECT_TRUE(guia.Cerrada());
    EXPECT_EQ(guia.codigoVendedor(), QString(""));
}

TEST_F(GuiaDespachoTest, StartProcessStoresTheRowThenTheInvoicesLinkToIt)
{
    host.addFacturas(101, 104);
    GuiaDespacho guia = newGuide();
    guia.setCodigoVendedor(QString());
    const QDateTime marked(QDate(2020, 1, 2), QTime(3, 4, 5));
    guia.setHoraRegistro(marked);
    // A host may hand over a weight with float noise: the row holds it as shown, to the gram.
    guia.setTotalPeso(0.1 + 0.2);
    const auto cached = guia.detalles();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    guia.startProcess();
    ASSERT_GT(guia.id(), 0);
    EXPECT_NE(guia.detalles(), cached) << "saving drops the cached lines";
    for (const qint32 numero : {101, 102, 103})
        guia.addFactura(numero);

    GuiaDespacho second = newGuide();
    second.startProcess();
    second.addFactura(104);
    EXPECT_EQ(second.id(), guia.id() + 1);
    EXPECT_EQ(linksOf(guia.id()), 3);
    EXPECT_EQ(linksOf(second.id()), 1);

    // The database's registration time, not the one the object carried, is read back at once.
    GuiaDespacho reloaded;
    ASSERT_TRUE(reloaded.Load(guia.id()));
    EXPECT_GE(reloaded.horaRegistro(), before);
    EXPECT_LE(reloaded.horaRegistro(), QDateTime::currentDateTime().addSecs(1));
    EXPECT_EQ(fieldsOf(reloaded), fieldsOf(guia)) << "every field stored, vendedor empty and the guide open";
    EXPECT_EQ(reloaded.totalPeso(), 0.3);

    // A review of 5,000 invoices of 0.1369 kg weighs what its lines show, 0.137 kg each.
    vontarelis::GuideFigures review;
    for (int line = 0; line < 5000; ++line)
        review.add(0.1369, 0.0, 0.0);
    review.add(0.1369, 0.0, 0.0, -1);
    ASSERT_TRUE(guia.storeDispatchFigures(review, guia.version()));
    EXPECT_EQ(toolkit::toDouble(host.scalar("SELECT totalPesoDespacho FROM gdVontarelis WHERE id = ?", {guia.id()})),
              684.863);
}

TEST_F(GuiaDespachoTest, NumbersAreOursWhenAnotherWorkstationInsertsMeanwhile)
{
    RacingFramework racing(host, [&] {
        host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                  "totalIVA, vendedor, zona) VALUES ('OTRO', 1, '2024-03-15 00:00:00', 'X', 1, 1, 1, 0, '', 'Z9')");
        host.exec("INSERT INTO gdVehiculos (tipoVehiculo, placas) VALUES (1, 'OTRO' || (SELECT COUNT(*) FROM gdVehiculos))");
    });
    vontarelis::InitHostContext(racing);
    host.addFacturas(501, 502);

    vontarelis::Vehiculo vehiculo;
    vehiculo.placas = "MINE01";
    vontarelis::SaveVehiculo(vehiculo);
    EXPECT_EQ(vehiculo.id, number("SELECT id FROM gdVehiculos WHERE placas = 'MINE01'"));

    GuiaDespacho guia = newGuide();
    guia.startProcess();
    guia.addFactura(501);
    guia.addFactura(502);
    const qint32 ours = number("SELECT id FROM gdVontarelis WHERE conductor = 'C01'");
    const qint32 theirs = number("SELECT MAX(id) FROM gdVontarelis");
    ASSERT_GT(theirs, ours);
    EXPECT_EQ(guia.id(), ours);
    EXPECT_EQ(linksOf(ours), 2);
    EXPECT_EQ(linksOf(theirs), 0);
}

} // namespace
