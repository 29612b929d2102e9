#include "vontarelis/model/ForwardingFramework.h"
#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QFile>

#include <functional>

using modeltest::ModelTestBase;
using toolkit::Currency;
using vontarelis::GuiaDespacho;

namespace {

class GuiaDespachoTest : public ModelTestBase
{
protected:
    qint32 storeGuide(const QString &conductor, const QString &vendedor, int cerrada)
    {
        host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, horaRegistro, operador, "
                                 "facturas, totalPeso, totalPrecioVenta, totalIVA, vendedor, zona, Cerrada) "
                                 "VALUES (?, 4, '2024-03-15 00:00:00', '2024-03-16 14:35:10', 'ANA', 12, 830.25, "
                                 "1234.5678, 197.53, ?, 'Z2', ?)"),
                  {conductor, vendedor, cerrada});
        return toolkit::toLong(host.scalar(QStringLiteral("SELECT MAX(id) FROM gdVontarelis")));
    }
};

// Runs a hook right before this session reads an identity, as a second workstation's insert
// can fall between our insert and that read.
class IdentityRaceFramework : public modeltest::ForwardingFramework
{
public:
    IdentityRaceFramework(host::IFramework &real, std::function<void()> hook)
        : ForwardingFramework(real), m_hook(std::move(hook))
    {
    }

    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        if (sql.contains(QLatin1String("IDENT"), Qt::CaseInsensitive))
            m_hook();
        return ForwardingFramework::ReadScalarA(sql, parameters);
    }

private:
    std::function<void()> m_hook;
};

TEST_F(GuiaDespachoTest, LoadFillsEveryFieldFromTheStoredRow)
{
    const qint32 open = storeGuide(QStringLiteral("C07"), QStringLiteral("V03"), 0);
    const qint32 closed = storeGuide(QStringLiteral("C08"), QStringLiteral("V04"), 1);

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(open));
    EXPECT_EQ(guia.id(), open);
    EXPECT_EQ(guia.codigoConductor(), QStringLiteral("C07"));
    EXPECT_EQ(guia.idVehiculo(), 4);
    EXPECT_EQ(guia.fecha(), QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    EXPECT_EQ(guia.horaRegistro(), QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)));
    EXPECT_EQ(guia.operador(), QStringLiteral("ANA"));
    EXPECT_EQ(guia.facturas(), 12);
    EXPECT_DOUBLE_EQ(guia.totalPeso(), 830.25);
    EXPECT_EQ(guia.totalPrecioVenta(), Currency::fromRaw(12345678));
    EXPECT_EQ(guia.totalIVA(), Currency::fromRaw(1975300));
    EXPECT_EQ(guia.codigoVendedor(), QStringLiteral("V03"));
    EXPECT_EQ(guia.zona(), QStringLiteral("Z2"));
    EXPECT_FALSE(guia.Cerrada());

    ASSERT_TRUE(guia.Load(closed));
    EXPECT_TRUE(guia.Cerrada());
    EXPECT_EQ(guia.codigoConductor(), QStringLiteral("C08"));

    host.exec(QStringLiteral("UPDATE gdVontarelis SET cerrada = 1 WHERE id = ?"), {open});
    ASSERT_TRUE(guia.Load(open));
    EXPECT_TRUE(guia.Cerrada());
}

TEST_F(GuiaDespachoTest, LoadOfAMissingNumberLeavesFieldsAndLinesAsTheyWere)
{
    host.addItem(QStringLiteral("A1"), QStringLiteral("Arena"), 1.0);
    const qint32 numero = host.addFactura(QStringLiteral("A"), 1, QStringLiteral("K1"), QStringLiteral("Cliente"), 10.0,
                                          1.6, 1.0, QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
    host.addMovimiento(numero, QStringLiteral("A1"), 5);
    const qint32 stored = storeGuide(QStringLiteral("C07"), QStringLiteral("V03"), 1);
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {stored, numero});

    GuiaDespacho guia;
    ASSERT_TRUE(guia.Load(stored));
    const auto lines = guia.detalles();
    ASSERT_EQ(lines->size(), 1);

    EXPECT_FALSE(guia.Load(stored + 100));
    EXPECT_EQ(guia.id(), stored);
    EXPECT_EQ(guia.codigoConductor(), QStringLiteral("C07"));
    EXPECT_EQ(guia.horaRegistro(), QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)));
    EXPECT_TRUE(guia.Cerrada());
    EXPECT_EQ(guia.detalles(), lines);

    GuiaDespacho fresh;
    EXPECT_FALSE(fresh.Load(stored + 1));
    EXPECT_EQ(fresh.id(), 0);
    EXPECT_EQ(fresh.codigoConductor(), QString());
    EXPECT_EQ(fresh.horaRegistro(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}

TEST_F(GuiaDespachoTest, StartProcessStoresTheRowAndTheInvoicesLinkToIt)
{
    GuiaDespacho guia = newGuide();
    guia.setCodigoVendedor(QString());
    guia.startProcess();
    ASSERT_GT(guia.id(), 0);
    for (const qint32 numero : {101, 102, 103})
        guia.addFactura(numero);

    EXPECT_EQ(guia.facturas(), 3);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?"), {guia.id()}).toInt(), 3);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia")).toInt(), 3);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT vendedor FROM gdVontarelis WHERE id = ?"), {guia.id()}), QString(""));
    EXPECT_EQ(toolkit::toLong(host.scalar(QStringLiteral("SELECT Cerrada FROM gdVontarelis WHERE id = ?"), {guia.id()})), 0);

    GuiaDespacho reloaded;
    ASSERT_TRUE(reloaded.Load(guia.id()));
    EXPECT_EQ(reloaded.codigoConductor(), QStringLiteral("C01"));
    EXPECT_EQ(reloaded.idVehiculo(), 7);
    EXPECT_EQ(reloaded.fecha(), guia.fecha());
    EXPECT_EQ(reloaded.operador(), QStringLiteral("OPERADOR"));
    EXPECT_EQ(reloaded.facturas(), 3);
    EXPECT_DOUBLE_EQ(reloaded.totalPeso(), 1500.5);
    EXPECT_EQ(reloaded.totalPrecioVenta(), Currency::fromRaw(12345678));
    EXPECT_EQ(reloaded.totalIVA(), Currency::fromRaw(1975308));
    EXPECT_EQ(reloaded.codigoVendedor(), QString(""));
    EXPECT_EQ(reloaded.zona(), QStringLiteral("Z1"));
    EXPECT_FALSE(reloaded.Cerrada());

    // A second guide gets the next number; its links do not touch the first one's.
    GuiaDespacho second = newGuide();
    second.startProcess();
    second.addFactura(104);
    EXPECT_EQ(second.id(), guia.id() + 1);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?"), {guia.id()}).toInt(), 3);
}

TEST_F(GuiaDespachoTest, RegistrationTimeComesFromTheDatabaseOnlyAfterReloading)
{
    GuiaDespacho guia = newGuide();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    guia.startProcess();
    EXPECT_EQ(guia.horaRegistro(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));

    const QDateTime marked(QDate(2020, 1, 2), QTime(3, 4, 5));
    guia.setHoraRegistro(marked);
    GuiaDespacho again = newGuide();
    again.setHoraRegistro(marked);
    again.startProcess();
    EXPECT_EQ(again.horaRegistro(), marked);

    ASSERT_TRUE(guia.Load(guia.id()));
    EXPECT_GE(guia.horaRegistro(), before);
    EXPECT_LE(guia.horaRegistro(), QDateTime::currentDateTime().addSecs(1));
    ASSERT_TRUE(again.Load(again.id()));
    EXPECT_NE(again.horaRegistro(), marked);
}

TEST_F(GuiaDespachoTest, TheNumberIsOursWhenAnotherWorkstationInsertsAGuideMeanwhile)
{
    const auto otherWorkstation = host.openSecondConnection();
    IdentityRaceFramework racing(host.framework(), [&] {
        otherWorkstation->ExecuteSQLA(
            QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                           "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('OTRO', 1, '2024-03-15 00:00:00', "
                           "'X', 1, 1, 1, 0, '', 'Z9')"),
            {});
    });
    vontarelis::InitHostContext(racing);

    GuiaDespacho guia = newGuide();
    guia.startProcess();
    guia.addFactura(501);
    guia.addFactura(502);

    const qint32 ours = toolkit::toLong(host.scalar(QStringLiteral("SELECT id FROM gdVontarelis WHERE conductor = 'C01'")));
    const qint32 theirs = toolkit::toLong(host.scalar(QStringLiteral("SELECT id FROM gdVontarelis WHERE conductor = 'OTRO'")));
    ASSERT_GT(theirs, ours);
    EXPECT_EQ(guia.id(), ours);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?"), {ours}).toInt(), 2);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?"), {theirs}).toInt(), 0);
}

TEST_F(GuiaDespachoTest, StartProcessDropsTheCachedLines)
{
    GuiaDespacho guia;
    const auto before = guia.detalles();
    guia.startProcess();
    EXPECT_NE(guia.detalles(), before);
}

TEST_F(GuiaDespachoTest, NamesComeFromTheSalespeopleTable)
{
    host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
    host.addVendedor(QStringLiteral("V01"), QStringLiteral("María Gómez"));
    GuiaDespacho guia = newGuide();
    EXPECT_EQ(guia.NombreConductor(), QStringLiteral("Pedro Pérez"));
    EXPECT_EQ(guia.NombreVendedor(), QStringLiteral("María Gómez"));

    host.exec(QStringLiteral("UPDATE Vendedores SET Nombre = 'María G. de Rojas' WHERE Codigo = 'V01'"));
    EXPECT_EQ(guia.NombreVendedor(), QStringLiteral("María G. de Rojas"));

    guia.setCodigoVendedor(QString());
    EXPECT_EQ(guia.NombreVendedor(), QString());
    host.addVendedor(QString(""), QStringLiteral("Sin vendedor"));
    EXPECT_EQ(guia.NombreVendedor(), QStringLiteral("Sin vendedor"));
}

// Records what the guide asks the host when it wants its print format.
class FormatRecordingFramework : public modeltest::ForwardingFramework
{
public:
    using ForwardingFramework::ForwardingFramework;

    QString DeterminarFormato(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                              host::IDocument &document) override
    {
        arguments = {formatKey, formatsKey, defaultFile};
        documentAsked = &document;
        return ForwardingFramework::DeterminarFormato(formatKey, formatsKey, defaultFile, document);
    }

    QStringList arguments;
    const host::IDocument *documentAsked = nullptr;
};

TEST_F(GuiaDespachoTest, FormatFileIsChosenByTheHostFromTheDataFolderDefault)
{
    FormatRecordingFramework recording(host.framework());
    vontarelis::InitHostContext(recording);
    GuiaDespacho guia;
    EXPECT_EQ(guia.TipoEntidad(), QStringLiteral("GDD"));
    EXPECT_EQ(guia.Factoria(), &recording);

    EXPECT_EQ(guia.NombreArchivoFormato(), host.dataPath() + QStringLiteral("FormatoDespacho.txt"));
    EXPECT_EQ(recording.arguments, (QStringList{QStringLiteral("FormatoGuiaDespacho"), QStringLiteral("FormatosGuiaDespacho"),
                                                host.dataPath() + QStringLiteral("FormatoDespacho.txt")}));
    EXPECT_EQ(recording.documentAsked, &guia);

    QFile chosen(host.dataPath() + QStringLiteral("GuiaCarta.txt"));
    ASSERT_TRUE(chosen.open(QIODevice::WriteOnly));
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('FormatoGuiaDespacho', 'GuiaCarta.txt')"));
    EXPECT_EQ(guia.NombreArchivoFormato(), host.dataPath() + QStringLiteral("GuiaCarta.txt"));
}

} // namespace
