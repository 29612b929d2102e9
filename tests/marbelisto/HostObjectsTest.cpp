#include "support/TestHost.h"

#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IInvoice.h"
#include "vontarelis/host/IUser.h"

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

TEST(HostObjects, EmpresaAnswersItsVariablesAndUsuarioIsTheSignedInUser)
{
    TestHost host(QStringLiteral("MGARCIA"));
    EXPECT_EQ(make<host::IUser>(host, "usuario")->codigo(), QStringLiteral("MGARCIA"));
    host.exec(QStringLiteral("UPDATE Empresa SET nombre = 'Marbelisto, C.A.', rif = 'J-1', direccion = 'La Urbina', "
                             "telefono = '0212-243.55.10'"));
    const auto empresa = make<host::ICompany>(host, "EMPRESA");
    ASSERT_TRUE(empresa);
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
}
