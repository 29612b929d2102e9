#include "vontarelis/model/ForwardingFramework.h"

#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"
#include "vontarelis/entry/Activator.h"
#include "vontarelis/entry/globales.h"

#include <QDialog>

#include <gtest/gtest.h>

using vontarelis::Activator;
using vontarelis::FormFactory;

namespace {

// A host that cannot make its company object.
class NoCompanyFramework : public modeltest::ForwardingFramework
{
public:
    using ForwardingFramework::ForwardingFramework;

    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &className) override
    {
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("sin %1").arg(className));
    }
};

class ActivatorTest : public ::testing::Test
{
protected:
    ~ActivatorTest() override
    {
        vontarelis::gHost = nullptr;
        vontarelis::gEmpresa.reset();
        vontarelis::gTemaUI.reset();
        vontarelis::gVehiculoActual = vontarelis::Vehiculo();
    }

    // Dialogs counted by kind, so a test sees when one is made.
    FormFactory countingForms()
    {
        return FormFactory{[this] {
                               ++selectMade;
                               auto form = std::make_unique<QDialog>();
                               form->setObjectName(QStringLiteral("frmSelectFacturas"));
                               return form;
                           },
                           [this] {
                               ++confirmMade;
                               auto form = std::make_unique<QDialog>();
                               form->setObjectName(QStringLiteral("frmConfirmarBruvelos"));
                               return form;
                           }};
    }

    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    int selectMade = 0;
    int confirmMade = 0;
};

TEST_F(ActivatorTest, GetGuiaDespachoSetsTheContextAndHandsOutAnEmptyGuide)
{
    host.setCompany(0.0);
    vontarelis::gVehiculoActual.id = 77;
    Activator activator(countingForms());

    const auto guia = activator.GetGuiaDespacho(host.framework());
    ASSERT_TRUE(guia);
    EXPECT_EQ(utilities->ApplicationName(), QString());
    EXPECT_EQ(vontarelis::gHost, &host.framework());
    ASSERT_TRUE(vontarelis::gEmpresa);
    EXPECT_EQ(vontarelis::gTipoCambio, 0.0);
    EXPECT_EQ(vontarelis::gTemaUI, host.framework().TemaUI());
    EXPECT_EQ(vontarelis::gVehiculoActual.id, 77);
    EXPECT_EQ(selectMade + confirmMade, 0);

    EXPECT_EQ(guia->id(), 0);
    EXPECT_EQ(guia->codigoConductor(), QString());
    EXPECT_FALSE(guia->Cerrada());
    EXPECT_EQ(guia->TipoEntidad(), QStringLiteral("GDD"));
    EXPECT_EQ(guia->Factoria(), &host.framework());
    EXPECT_TRUE(guia->detalles()->isEmpty());
    EXPECT_FALSE(guia->Load(1));
}

TEST_F(ActivatorTest, EveryCallReplacesTheContextForEveryGuideAlive)
{
    testsupport::TestHost other;
    other.setCompany(4.5);
    other.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                              "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C09', 1, '2024-03-15 00:00:00', "
                              "'X', 1, 1, 1, 0, '', 'Z1')"));
    Activator activator(countingForms());

    const auto first = activator.GetGuiaDespacho(host.framework());
    const auto company = vontarelis::gEmpresa;
    EXPECT_FALSE(first->Load(1));
    activator.GetGuiaDespacho(host.framework());
    EXPECT_NE(vontarelis::gEmpresa, company);

    activator.GetGuiaDespacho(other.framework());
    EXPECT_EQ(vontarelis::gTipoCambio, 4.5);
    EXPECT_EQ(first->Factoria(), &other.framework());
    ASSERT_TRUE(first->Load(1));
    EXPECT_EQ(first->codigoConductor(), QStringLiteral("C09"));
}

TEST_F(ActivatorTest, GoShowsOneKeptInstanceOfTheCreationDialogAfterSettingTheContext)
{
    Activator activator(countingForms());
    QString nameWhenShown;
    host::IFramework *hostWhenShown = nullptr;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &) {
        nameWhenShown = utilities->ApplicationName();
        hostWhenShown = vontarelis::gHost;
    };

    activator.Go(host.framework());
    activator.Go(host.framework());
    ASSERT_EQ(utilities->shownForms.size(), 2u);
    EXPECT_EQ(utilities->shownForms[0], utilities->shownForms[1]);
    EXPECT_EQ(utilities->shownForms[0]->objectName(), QStringLiteral("frmSelectFacturas"));
    EXPECT_EQ(selectMade, 1);
    EXPECT_EQ(nameWhenShown, QStringLiteral("Marbelisto"));
    EXPECT_EQ(hostWhenShown, &host.framework());

    activator.ControlVontarelis(host.framework());
    ASSERT_EQ(utilities->shownForms.size(), 3u);
    EXPECT_EQ(utilities->shownForms[2]->objectName(), QStringLiteral("frmConfirmarBruvelos"));
    EXPECT_EQ(confirmMade, 1);
    EXPECT_EQ(selectMade, 1);
}

TEST_F(ActivatorTest, WhatShowFormLeavesIsTheInstanceOfTheNextCall)
{
    Activator activator(countingForms());
    auto replacement = std::make_unique<QDialog>();
    QDialog *const replacementAddress = replacement.get();
    int calls = 0;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        ++calls;
        if (calls == 1)
            form.reset();
        else if (calls == 2)
            form = std::move(replacement);
    };

    activator.ControlVontarelis(host.framework());
    activator.ControlVontarelis(host.framework());
    EXPECT_EQ(confirmMade, 2);
    activator.ControlVontarelis(host.framework());
    EXPECT_EQ(confirmMade, 2);
    ASSERT_EQ(utilities->shownForms.size(), 3u);
    EXPECT_EQ(utilities->shownForms[2], replacementAddress);
}

TEST_F(ActivatorTest, AFailingHostEndsTheCallWithTheContextSetUpToTheFailure)
{
    Activator activator(countingForms());
    activator.GetGuiaDespacho(host.framework());
    const auto company = vontarelis::gEmpresa;

    NoCompanyFramework failing(host.framework());
    EXPECT_THROW(activator.Go(failing), toolkit::Error);
    EXPECT_EQ(vontarelis::gHost, &failing);
    EXPECT_EQ(vontarelis::gEmpresa, company);
    EXPECT_TRUE(utilities->shownForms.empty());
    EXPECT_EQ(selectMade, 0);
    EXPECT_THROW(activator.GetGuiaDespacho(failing), toolkit::Error);
}

} // namespace
