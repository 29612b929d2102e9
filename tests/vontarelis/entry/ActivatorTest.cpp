#include "support/FaultyFramework.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Raised.h"
#include "vontarelis/entry/Activator.h"
#include "vontarelis/entry/globales.h"

#include <QDialog>

#include <gtest/gtest.h>

using testerrors::raised;
using vontarelis::Activator;

namespace {

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

    // Dialogs counted as they are made, named after their kind.
    Activator countingActivator()
    {
        const auto made = [this](const char *name, int &count) {
            return [name, &count] {
                ++count;
                auto form = std::make_unique<QDialog>();
                form->setObjectName(QString::fromLatin1(name));
                return form;
            };
        };
        return Activator(vontarelis::FormFactory{made("frmSelectFacturas", selectMade),
                                                 made("frmConfirmarBruvelos", confirmMade)});
    }

    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    int selectMade = 0;
    int confirmMade = 0;
};

TEST_F(ActivatorTest, GetGuiaDespachoSetsOnlyTheContextAndEveryCallReplacesItForEveryGuideAlive)
{
    host.setCompany(0.0);
    vontarelis::gVehiculoActual.id = 77;
    Activator activator = countingActivator();
    const auto first = activator.GetGuiaDespacho(host.framework());
    EXPECT_EQ(std::tuple(utilities->ApplicationName(), vontarelis::gHost, vontarelis::gTipoCambio, vontarelis::gTemaUI),
              std::tuple(QString(), &host.framework(), 0.0, host.framework().TemaUI()));
    EXPECT_EQ(std::tuple(vontarelis::gVehiculoActual.id, selectMade + confirmMade), std::tuple(77, 0));
    // Usable: it reaches the database through the context just set.
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->detalles()->isEmpty());
    EXPECT_FALSE(first->Load(1));

    testsupport::TestHost other;
    other.setCompany(4.5);
    other.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                              "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C09', 1, '2024-03-15 00:00:00', "
                              "'X', 1, 1, 1, 0, '', 'Z1')"));
    const auto company = vontarelis::gEmpresa;
    activator.GetGuiaDespacho(host.framework());
    EXPECT_NE(vontarelis::gEmpresa, company);
    activator.GetGuiaDespacho(other.framework());
    EXPECT_EQ(std::pair(vontarelis::gTipoCambio, first->Factoria()), std::pair(4.5, &other.framework()));
    ASSERT_TRUE(first->Load(1));
    EXPECT_EQ(first->codigoConductor(), QStringLiteral("C09"));
}

TEST_F(ActivatorTest, EachDialogIsOneKeptInstanceUnlessShowFormLeavesAnother)
{
    Activator activator = countingActivator();
    auto replacement = std::make_unique<QDialog>();
    QDialog *const replacementAddress = replacement.get();
    QStringList whenShown;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        whenShown.append(utilities->ApplicationName() + u' ' + form->objectName());
        EXPECT_EQ(vontarelis::gHost, &host.framework());
        if (whenShown.size() == 3)
            form.reset();
        else if (whenShown.size() == 4)
            form = std::move(replacement);
    };

    activator.Go(host.framework());
    activator.Go(host.framework());
    for (int i = 0; i < 3; ++i)
        activator.ControlVontarelis(host.framework());
    const auto &shown = utilities->shownForms;
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(selectMade, 1);
    // Nothing was left after the first review, so the second made a new one; the third got the replacement.
    EXPECT_EQ(confirmMade, 2);
    EXPECT_EQ(shown[4], replacementAddress);
    EXPECT_EQ(whenShown, (QStringList{"Marbelisto frmSelectFacturas", "Marbelisto frmSelectFacturas",
                                      "Marbelisto frmConfirmarBruvelos", "Marbelisto frmConfirmarBruvelos",
                                      "Marbelisto "}));
}

TEST_F(ActivatorTest, AHostThatGivesNoThemeIsRefusedBeforeAnyDialogShows)
{
    struct ThemelessHost : testsupport::FaultyFramework
    {
        using FaultyFramework::FaultyFramework;
        std::shared_ptr<host::ITheme> TemaUI() override { return nullptr; }
    };
    Activator activator = countingActivator();
    activator.GetGuiaDespacho(host.framework());
    const auto theme = vontarelis::gTemaUI;
    ASSERT_TRUE(theme);
    const auto company = vontarelis::gEmpresa;

    ThemelessHost themeless(host.framework());
    EXPECT_EQ(raised([&] { activator.Go(themeless); }).number(), 91);
    EXPECT_EQ(raised([&] { activator.GetGuiaDespacho(themeless); }).number(), 91);
    EXPECT_TRUE(utilities->shownForms.empty());
    EXPECT_EQ(selectMade, 0);
    EXPECT_EQ(vontarelis::gHost, &themeless) << "the steps before the theme keep their new values";
    EXPECT_NE(vontarelis::gEmpresa, company);
    EXPECT_EQ(vontarelis::gTemaUI, theme) << "the theme keeps its old one";
}

} // namespace
