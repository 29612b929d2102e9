#include "support/TestHost.h"

#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IInvoice.h"
#include "vontarelis/host/IUser.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using testsupport::TestHost;
using toolkit::Currency;

namespace {

template <typename T>
std::shared_ptr<T> make(TestHost &host, const char *className)
{
    return std::dynamic_pointer_cast<T>(host.framework().CrearObjeto(className));
}

} // namespace

TEST(HostObjects, FacturaLoadsByItsReference)
{
    TestHost host;
    host.addVendedor("V01", "José Pérez");
    host.addCliente("CL1", "Bodega La Esquina", QString(), "V01");
    const QDateTime day = QDate(2024, 3, 2).startOfDay();
    host.addFactura("A", 41, "CL1", "Otra", 1.0, 0.0, 1.0, day);
    const qint32 numero =
        host.addFactura("A", 42, "CL1", "Bodega, C.A.", Currency::fromRaw(1234567), Currency::fromRaw(197531), 2.0, day);
    host.addFactura("B", 42, "CL1", "Serie B", 1.0, 0.0, 1.0, day);

    const auto factura = make<host::IInvoice>(host, "factura");
    ASSERT_TRUE(factura);
    ASSERT_TRUE(factura->LoadByRefSerie("A-000042"));
    EXPECT_EQ(factura->numero(), numero);
    EXPECT_EQ(factura->codigoVendedor(), u"V01"_s);
    EXPECT_EQ(factura->FechaTransaccion(), day);
    EXPECT_DOUBLE_EQ(factura->tipoCambio(), 2.0);
    EXPECT_EQ(factura->NombreCliente(), u"Bodega, C.A."_s);
    EXPECT_EQ(std::pair(factura->precioEfectivo(), factura->Impuesto1()),
              std::pair(Currency::fromRaw(1234567), Currency::fromRaw(197531)));

    ASSERT_TRUE(factura->LoadByRefSerie("B-42"));
    EXPECT_EQ(factura->Referencia(), u"B-000042"_s);
    // What is not found, or is no reference, leaves the loaded invoice as it was.
    for (const char *reference : {"A-43", "C-42", "a-42", "A42", "A-", "-42", "A-4x", "A- 42", "A-99999999999", ""})
        EXPECT_FALSE(factura->LoadByRefSerie(reference)) << reference;
    EXPECT_EQ(factura->NombreCliente(), u"Serie B"_s);
}

TEST(HostObjects, EmpresaAnswersItsVariablesAndUsuarioIsTheSignedInUser)
{
    TestHost host("MGARCIA");
    EXPECT_EQ(make<host::IUser>(host, "usuario")->codigo(), u"MGARCIA"_s);
    host.ownerExec("UPDATE Empresa SET nombre = 'Marbelisto, C.A.', rif = 'J-1', direccion = 'La Urbina', "
                   "telefono = '0212-243.55.10'");
    const auto empresa = make<host::ICompany>(host, "EMPRESA");
    ASSERT_TRUE(empresa);
    const std::pair<const char *, const char *> answers[] = {{"EMPRESA", "Marbelisto, C.A."}, {"nombreEmpresa", "Marbelisto, C.A."},
                                                             {"rif", "J-1"}, {"Direccion", "La Urbina"},
                                                             {"TELEFONO", "0212-243.55.10"}, {"PLACAS", nullptr}};
    for (const auto &[name, expected] : answers) {
        QVariant value(7);
        QVariant text("antes");
        EXPECT_EQ(empresa->EvalVar(QString(name), value, text), expected != nullptr) << name;
        // A name the company does not know leaves the caller's value and text as they were.
        EXPECT_EQ(QVariantList({value, text}), expected ? QVariantList({expected, expected}) : QVariantList({7, "antes"})) << name;
    }
}
