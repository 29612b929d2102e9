#include "support/TestHost.h"

#include "toolkit/Error.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IDocument.h"
#include "vontarelis/host/IInvoice.h"
#include "vontarelis/host/IUser.h"

#include <QFile>

#include <gtest/gtest.h>

using testsupport::TestHost;
using toolkit::Currency;

namespace {

template<typename T>
std::shared_ptr<T> make(TestHost &host, const char *className)
{
    return std::dynamic_pointer_cast<T>(host.framework().CrearObjeto(QString::fromLatin1(className)));
}

} // namespace

TEST(HostObjects, FacturaLoadsByItsReference)
{
    TestHost host;
    host.addVendedor(QStringLiteral("V01"), QStringLiteral("José Pérez"));
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega La Esquina"), QString(), QStringLiteral("V01"));
    const QDateTime day = QDate(2024, 3, 2).startOfDay();
    host.addFactura(QStringLiteral("A"), 41, QStringLiteral("CL1"), QStringLiteral("Otra"), 1.0, 0.0, 1.0, day);
    const qint32 numero = host.addFactura(QStringLiteral("A"), 42, QStringLiteral("CL1"), QStringLiteral("Bodega, C.A."),
                                          Currency::fromRaw(1234567), Currency::fromRaw(197531), 2.0, day);
    host.addFactura(QStringLiteral("B"), 42, QStringLiteral("CL1"), QStringLiteral("Serie B"), 1.0, 0.0, 1.0, day);

    const auto factura = make<host::IInvoice>(host, "factura");
    ASSERT_TRUE(factura);
    ASSERT_TRUE(factura->LoadByRefSerie(QStringLiteral("A-000042")));
    EXPECT_EQ(factura->numero(), numero);
    EXPECT_EQ(factura->codigoVendedor(), QStringLiteral("V01"));
    EXPECT_EQ(factura->FechaTransaccion(), day);
    EXPECT_DOUBLE_EQ(factura->tipoCambio(), 2.0);
    EXPECT_EQ(factura->NombreCliente(), QStringLiteral("Bodega, C.A."));
    EXPECT_EQ(factura->precioEfectivo(), Currency::fromRaw(1234567));
    EXPECT_EQ(factura->Impuesto1(), Currency::fromRaw(197531));

    ASSERT_TRUE(factura->LoadByRefSerie(QStringLiteral("B-42")));
    EXPECT_EQ(factura->Referencia(), QStringLiteral("B-000042"));
    // What is not found, or is no reference, leaves the loaded invoice as it was.
    for (const char *reference : {"A-43", "C-42", "a-42", "A42", "A-", "-42", "A-4x", "A- 42", "A-99999999999", ""})
        EXPECT_FALSE(factura->LoadByRefSerie(QString::fromLatin1(reference))) << reference;
    EXPECT_EQ(factura->NombreCliente(), QStringLiteral("Serie B"));
}

TEST(HostObjects, EmpresaReadsTheCompanyAndAnswersItsVariables)
{
    TestHost host;
    host.setCompany(4.5, QStringLiteral("#,##0.00 Bs"), QStringLiteral("#,##0.000"), QStringLiteral("#,##0"));
    host.exec(QStringLiteral("UPDATE Empresa SET nombre = 'Marbelisto, C.A.', rif = 'J-1', direccion = 'La Urbina', "
                             "telefono = '0212-243.55.10'"));
    const auto empresa = make<host::ICompany>(host, "EMPRESA");
    ASSERT_TRUE(empresa);
    EXPECT_EQ(QStringList({QString::number(empresa->tipoCambio()), empresa->MascaraMonetarios(),
                           empresa->MascaraPrecios(), empresa->MascaraCantidades()}),
              QStringList({"4.5", "#,##0.00 Bs", "#,##0.000", "#,##0"}));

    const std::pair<const char *, const char *> answers[] = {{"EMPRESA", "Marbelisto, C.A."},
                                                             {"nombreEmpresa", "Marbelisto, C.A."},
                                                             {"rif", "J-1"},
                                                             {"Direccion", "La Urbina"},
                                                             {"TELEFONO", "0212-243.55.10"}};
    for (const auto &[name, expected] : answers) {
        QVariant value;
        QVariant text;
        EXPECT_TRUE(empresa->EvalVar(QString::fromLatin1(name), value, text)) << name;
        EXPECT_EQ(value, QVariant(QString::fromLatin1(expected))) << name;
        EXPECT_EQ(text, QVariant(QString::fromLatin1(expected))) << name;
    }
    QVariant value(7);
    QVariant text(QStringLiteral("antes"));
    EXPECT_FALSE(empresa->EvalVar(QStringLiteral("PLACAS"), value, text));
    EXPECT_EQ(value, QVariant(7));
    EXPECT_EQ(text, QVariant(QStringLiteral("antes")));

    // Without a company row: rate 1 and the usual masks.
    host.exec(QStringLiteral("DELETE FROM Empresa"));
    const auto bare = make<host::ICompany>(host, "Empresa");
    EXPECT_DOUBLE_EQ(bare->tipoCambio(), 1.0);
    EXPECT_EQ(bare->MascaraMonetarios(), QStringLiteral("#,##0.00"));
}

TEST(HostObjects, FactoryMakesTheSignedInUserAndRefusesUnknownClasses)
{
    TestHost host(QStringLiteral("MGARCIA"));
    const auto usuario = make<host::IUser>(host, "usuario");
    ASSERT_TRUE(usuario);
    EXPECT_EQ(usuario->codigo(), QStringLiteral("MGARCIA"));
    try {
        host.framework().CrearObjeto(QStringLiteral("Cliente"));
        FAIL() << "an unknown class was made";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrCannotCreateObject);
    }
}

TEST(HostObjects, PrintFormatIsTheFirstConfiguredFileThatExists)
{
    TestHost host;
    struct : host::IDocument
    {
        bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
        QVariantMap documentFields() const override { return {}; }
    } document;
    const QString fallback = host.dataPath() + QStringLiteral("FormatoDespacho.txt");
    const auto choose = [&] {
        return host.framework().DeterminarFormato(QStringLiteral("FormatoGuiaDespacho"),
                                                  QStringLiteral("FormatosGuiaDespacho"), fallback, document);
    };
    const auto create = [&](const char *name) { QFile(host.dataPath() + QString::fromLatin1(name)).open(QIODevice::WriteOnly); };
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('formatoguiadespacho', 'Propio.txt')"));
    EXPECT_EQ(choose(), fallback) << "a configured file that is missing is passed over";
    create("Propio.txt");
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("Propio.txt"));

    host.exec(QStringLiteral("UPDATE Configuracion SET valor = 'Falta.txt'"));
    host.exec(QStringLiteral("INSERT INTO Configuracion (clave, valor) "
                             "VALUES ('FormatosGuiaDespacho', 'Falta2.txt; Carta.txt ;Propio.txt')"));
    create("Carta.txt");
    EXPECT_EQ(choose(), host.dataPath() + QStringLiteral("Carta.txt"));
}
