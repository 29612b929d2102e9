#include "support/TestHost.h"

#include "marbelisto/host/Empresa.h"
#include "marbelisto/host/Usuario.h"
#include "toolkit/Error.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IDocument.h"
#include "vontarelis/host/IInvoice.h"
#include "vontarelis/host/IUser.h"

#include <QFile>

#include <gtest/gtest.h>

using testsupport::TestHost;
using toolkit::Currency;

namespace {

std::shared_ptr<host::IInvoice> newInvoice(TestHost &host)
{
    return std::dynamic_pointer_cast<host::IInvoice>(host.framework().CrearObjeto(QStringLiteral("Factura")));
}

std::shared_ptr<host::ICompany> newCompany(TestHost &host)
{
    return std::dynamic_pointer_cast<host::ICompany>(host.framework().CrearObjeto(QStringLiteral("Empresa")));
}

class NoDocument : public host::IDocument
{
public:
    bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
    QVariantMap documentFields() const override { return {}; }
};

void writeFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{EMPRESA}\n");
}

} // namespace

TEST(HostObjects, FacturaLoadsByItsReference)
{
    TestHost host;
    host.addVendedor(QStringLiteral("V01"), QStringLiteral("José Pérez"));
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega La Esquina"), QString(), QStringLiteral("V01"));
    host.addFactura(QStringLiteral("A"), 41, QStringLiteral("CL1"), QStringLiteral("Otra"), 1.0, 0.0, 1.0,
                    QDate(2024, 3, 1).startOfDay());
    const qint32 numero = host.addFactura(QStringLiteral("A"), 42, QStringLiteral("CL1"),
                                          QStringLiteral("Bodega La Esquina, C.A."), Currency::fromRaw(1234567),
                                          Currency::fromRaw(197531), 2.0, QDate(2024, 3, 2).startOfDay());
    host.addFactura(QStringLiteral("B"), 42, QStringLiteral("CL1"), QStringLiteral("Serie B"), 1.0, 0.0, 1.0,
                    QDate(2024, 3, 3).startOfDay());

    const auto factura = newInvoice(host);
    ASSERT_TRUE(factura);
    ASSERT_TRUE(factura->LoadByRefSerie(QStringLiteral("A-000042")));
    EXPECT_EQ(factura->numero(), numero);
    EXPECT_EQ(factura->codigoVendedor(), QStringLiteral("V01"));
    EXPECT_EQ(factura->FechaTransaccion(), QDate(2024, 3, 2).startOfDay());
    EXPECT_DOUBLE_EQ(factura->tipoCambio(), 2.0);
    EXPECT_EQ(factura->Referencia(), QStringLiteral("A-000042"));
    EXPECT_EQ(factura->NombreCliente(), QStringLiteral("Bodega La Esquina, C.A."));
    EXPECT_EQ(factura->precioEfectivo(), Currency::fromRaw(1234567));
    EXPECT_EQ(factura->Impuesto1(), Currency::fromRaw(197531));

    ASSERT_TRUE(factura->LoadByRefSerie(QStringLiteral("B-42")));
    EXPECT_EQ(factura->NombreCliente(), QStringLiteral("Serie B"));
    EXPECT_EQ(factura->Referencia(), QStringLiteral("B-000042"));

    // What is not found, or is no reference, leaves the loaded invoice as it was.
    for (const char *reference : {"A-43", "C-42", "a-42", "A42", "A-", "-42", "A-4x", "A- 42", "A-99999999999", ""})
        EXPECT_FALSE(factura->LoadByRefSerie(QString::fromLatin1(reference))) << reference;
    EXPECT_EQ(factura->Referencia(), QStringLiteral("B-000042"));
}

TEST(HostObjects, EmpresaReadsTheCompanyAndAnswersItsVariables)
{
    TestHost host;
    host.setCompany(4.5, QStringLiteral("#,##0.00 Bs"), QStringLiteral("#,##0.000"), QStringLiteral("#,##0"));
    host.exec(QStringLiteral("UPDATE Empresa SET nombre = ?, rif = ?, direccion = ?, telefono = ?"),
              {QStringLiteral("Distribuidora Marbelisto, C.A."), QStringLiteral("J-30456789-1"),
               QStringLiteral("Av. Principal de La Urbina"), QStringLiteral("0212-243.55.10")});
    const auto empresa = newCompany(host);
    ASSERT_TRUE(empresa);
    EXPECT_DOUBLE_EQ(empresa->tipoCambio(), 4.5);
    EXPECT_EQ(empresa->MascaraMonetarios(), QStringLiteral("#,##0.00 Bs"));
    EXPECT_EQ(empresa->MascaraPrecios(), QStringLiteral("#,##0.000"));
    EXPECT_EQ(empresa->MascaraCantidades(), QStringLiteral("#,##0"));

    const std::pair<const char *, const char *> answers[] = {
        {"EMPRESA", "Distribuidora Marbelisto, C.A."}, {"nombreEmpresa", "Distribuidora Marbelisto, C.A."},
        {"rif", "J-30456789-1"}, {"Direccion", "Av. Principal de La Urbina"}, {"TELEFONO", "0212-243.55.10"}};
    for (const auto &[name, expected] : answers) {
        QVariant value;
        QVariant text;
        EXPECT_TRUE(empresa->EvalVar(QString::fromLatin1(name), value, text)) << name;
        EXPECT_EQ(value.toString(), QString::fromUtf8(expected)) << name;
        EXPECT_EQ(text.toString(), QString::fromUtf8(expected)) << name;
    }
    QVariant value(7);
    QVariant text(QStringLiteral("antes"));
    EXPECT_FALSE(empresa->EvalVar(QStringLiteral("PLACAS"), value, text));
    EXPECT_EQ(value, QVariant(7));
    EXPECT_EQ(text, QVariant(QStringLiteral("antes")));

    // The component's context takes the rate from this object.
    vontarelis::InitHostContext(host.framework());
    EXPECT_DOUBLE_EQ(vontarelis::gTipoCambio, 4.5);
    EXPECT_EQ(vontarelis::gEmpresa->MascaraMonetarios(), QStringLiteral("#,##0.00 Bs"));

    // Without a company row: rate 1 and the usual masks.
    host.exec(QStringLiteral("DELETE FROM Empresa"));
    const auto bare = newCompany(host);
    EXPECT_DOUBLE_EQ(bare->tipoCambio(), 1.0);
    EXPECT_EQ(bare->MascaraMonetarios(), QStringLiteral("#,##0.00"));
    EXPECT_TRUE(bare->EvalVar(QStringLiteral("EMPRESA"), value, text));
    EXPECT_EQ(text.toString(), QString());
}

TEST(HostObjects, FactoryMakesTheKnownClassesInAnyCase)
{
    TestHost host(QStringLiteral("MGARCIA"));
    EXPECT_TRUE(std::dynamic_pointer_cast<host::ICompany>(host.framework().CrearObjeto(QStringLiteral("EMPRESA"))));
    EXPECT_TRUE(std::dynamic_pointer_cast<host::IInvoice>(host.framework().CrearObjeto(QStringLiteral("factura"))));
    const auto usuario =
        std::dynamic_pointer_cast<host::IUser>(host.framework().CrearObjeto(QStringLiteral("Usuario")));
    ASSERT_TRUE(usuario);
    EXPECT_EQ(usuario->codigo(), QStringLiteral("MGARCIA"));
    try {
        host.framework().CrearObjeto(QStringLiteral("Cliente"));
        FAIL() << "an unknown class was made";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrCannotCreateObject);
        EXPECT_TRUE(error.description().contains(QStringLiteral("Cliente")));
    }
}

TEST(HostObjects, SignedInUserComesFromTheCommandLineThenTheEnvironment)
{
    const QByteArray saved = qgetenv("MARBELISTO_USER");
    qputenv("MARBELISTO_USER", "ENTORNO");
    EXPECT_EQ(marbelisto::Usuario::signedIn(QStringLiteral(" LINEA ")), QStringLiteral("LINEA"));
    EXPECT_EQ(marbelisto::Usuario::signedIn(QString()), QStringLiteral("ENTORNO"));
    qunsetenv("MARBELISTO_USER");
    const QString system = marbelisto::Usuario::signedIn(QString());
    EXPECT_EQ(system, qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USERNAME"))));
    if (!saved.isNull())
        qputenv("MARBELISTO_USER", saved);
}

TEST(HostObjects, PrintFormatIsTheConfiguredFileWhenItExists)
{
    TestHost host;
    NoDocument document;
    const QString fallback = host.dataPath() + QStringLiteral("FormatoDespacho.txt");
    const auto choose = [&] {
        return host.framework().DeterminarFormato(QStringLiteral("FormatoGuiaDespacho"),
                                                  QStringLiteral("FormatosGuiaDespacho"), fallback, document);
    };
    EXPECT_TRUE(host.dataPath().endsWith(u'/'));
    EXPECT_EQ(choose(), fallback);

    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('formatoguiadespacho', 'Propio.txt')"));
    EXPECT_EQ(choose(), fallback) << "a configured file that is missing is passed over";
    writeFile(host.dataPath() + QStringLiteral("Propio.txt"));
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("Propio.txt"));

    host.exec(QStringLiteral("UPDATE Configuracion SET valor = 'Falta.txt'"));
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) "
                             "VALUES ('FormatosGuiaDespacho', 'Falta2.txt; Carta.txt ;Propio.txt')"));
    writeFile(host.dataPath() + QStringLiteral("Carta.txt"));
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("Carta.txt"));
}

TEST(HostObjects, ReportsAreNotAvailableYet)
{
    TestHost host;
    try {
        host.framework().generarUsrReport(QStringLiteral("detallesVontarelisInline.rcl"), QStringLiteral("numeroGuia"),
                                          3);
        FAIL() << "a report that does not exist was produced";
    } catch (const toolkit::Error &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("detallesVontarelisInline.rcl")));
    }
}
