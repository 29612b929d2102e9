// The load indicator of the creation dialog against the capacities of the vehicle's type, and
// the question before registering an overloaded vehicle.
#include "vontarelis/forms/select/SelectDialogTest.h"

#include <QProgressBar>

using namespace Qt::StringLiterals;

namespace selecttest {
namespace {

const char *const Amber = "#f9a825";
const char *const Red = "#c62828";
const char *const Green = "#2e7d32";

class LoadCapacityTest : public SelectDialogTest
{
protected:
    LoadCapacityTest()
    {
        // 950 kg on the oldest invoice (A-000009, the grid's first row).
        host.addItem("CEM", "Cemento, saco de 50 kg", 50.0);
        host.addMovimiento(facturas.at(0), "CEM", 19.0);
    }

    void capacity(qint32 tipo, const QVariant &kilos)
    {
        host.exec("UPDATE gdTiposVehiculo SET capacidadKg = ? WHERE id = ?", {kilos, tipo});
    }
    void volume(qint32 tipo, const QVariant &cubicMetres)
    {
        host.exec("UPDATE gdTiposVehiculo SET capacidadM3 = ? WHERE id = ?", {cubicMetres, tipo});
    }

    bool shown() const { return !control("frameCarga")->isHidden(); }
    QString text() const { return control<QLabel>("lblCarga")->text(); }
    QString colour() const { return control<QProgressBar>("barCarga")->styleSheet(); }
    int bar() const { return control<QProgressBar>("barCarga")->value(); }
};

TEST_F(LoadCapacityTest, TheIndicatorFollowsTicksBulkChangesReloadsAndTheVehiclesType)
{
    capacity(camion, 1900.0);
    open();
    enterDriverAndKnownVehicle();
    ASSERT_TRUE(shown());
    EXPECT_EQ(text(), u"0.000 de 1,900 kg (0 %)"_s);
    load();
    clickRow(1);
    EXPECT_EQ(text(), u"950.000 de 1,900 kg (50 %)"_s);
    EXPECT_EQ(bar(), 50);
    EXPECT_TRUE(colour().contains(Green)) << colour().toStdString();
    // Inverting leaves the heavy invoice out and the light ones in.
    whenMenuShown(2);
    clickRow(2, Qt::RightButton);
    EXPECT_EQ(text(), QStringLiteral("%1 de 1,900 kg (0 %)").arg(totals().at(1)));
    whenMenuShown(0);
    clickRow(2, Qt::RightButton);
    EXPECT_EQ(text(), QStringLiteral("%1 de 1,900 kg (50 %)").arg(totals().at(1)));
    load();
    EXPECT_EQ(text(), u"0.000 de 1,900 kg (0 %)"_s);
    clickRow(1);
    EXPECT_EQ(text(), u"950.000 de 1,900 kg (50 %)"_s);

    // Another type: its own capacity, or none at all.
    capacity(furgoneta, 3800.0);
    pick("cbTipoVehiculo", "Furgoneta");
    EXPECT_EQ(text(), u"950.000 de 3,800 kg (25 %)"_s);
    capacity(furgoneta, QVariant());
    pick("cbTipoVehiculo", "Camión");
    pick("cbTipoVehiculo", "Furgoneta");
    EXPECT_FALSE(shown());
    // A new plate clears the type: nothing to weigh against.
    pick("cbTipoVehiculo", "Camión");
    EXPECT_TRUE(shown());
    utilities->answer(true);
    fill("placasVehiculo", "NUE1234");
    EXPECT_FALSE(shown());
}

TEST_F(LoadCapacityTest, AmberFromNinetyUpToFullAndNoQuestionThenHiddenWithTheGrid)
{
    capacity(camion, 1056.0);
    capacity(furgoneta, 950.0);
    openToRegister(false);
    const int width = dialog->width();
    enterDriverAndKnownVehicle();
    load();
    clickRow(1);
    EXPECT_EQ(text(), u"950.000 de 1,056 kg (89 %)"_s);
    EXPECT_TRUE(colour().contains(Green)) << colour().toStdString();
    // 950 kg is 90.005 % of 1,055.5 kg.
    capacity(camion, 1055.5);
    pick("cbTipoVehiculo", "Furgoneta");
    pick("cbTipoVehiculo", "Camión");
    EXPECT_EQ(text(), u"950.000 de 1,056 kg (90 %)"_s);
    EXPECT_TRUE(colour().contains(Amber)) << colour().toStdString();
    pick("cbTipoVehiculo", "Furgoneta");
    EXPECT_EQ(text(), u"950.000 de 950 kg (100 %)"_s);
    EXPECT_TRUE(colour().contains(Amber)) << colour().toStdString();
    capacity(camion, 123456789.0);
    pick("cbTipoVehiculo", "Camión");
    QCoreApplication::processEvents(); // the layout settles on the next pass
    EXPECT_EQ(dialog->width(), width) << "the dialog keeps its width, the indicator shown or not, whatever its text";
    pick("cbTipoVehiculo", "Furgoneta");
    // Full is not over: "Procesar" asks only whether to print the listing and the route sheet.
    utilities->answer(false);
    utilities->answer(false);
    click("cbOk");
    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    ASSERT_EQ(utilities->questions.size(), 2u);
    EXPECT_EQ(rows("SELECT totalPeso FROM gdVontarelis WHERE id > 1"), (QList<QVariantList>{{950.0}}));
    EXPECT_FALSE(shown());
}

TEST_F(LoadCapacityTest, OverCapacityAsksFirstAndNoWritesNothing)
{
    capacity(camion, 800.0);
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    clickRow(1);
    EXPECT_EQ(text(), u"950.000 de 800 kg (118 %)"_s);
    EXPECT_EQ(bar(), 100);
    EXPECT_TRUE(colour().contains(Red)) << colour().toStdString();

    const QList<QVariantList> before = stored();
    const QStringList shownBefore = entries();
    utilities->answer(false);
    click("cbOk");
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt,
              QStringLiteral("El peso de la carga (950.000 kg) supera la capacidad del vehículo (800 kg). "
                             "¿Desea registrar la guía de todas formas?"));
    EXPECT_FALSE(utilities->questions[0].defaultYes);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(entries(), shownBefore);

    utilities->answer(true);
    utilities->answer(false);
    utilities->answer(false);
    click("cbOk");
    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    EXPECT_EQ(utilities->questions.size(), 4u);
    EXPECT_EQ(rows("SELECT totalPeso, facturas FROM gdVontarelis WHERE id > 1"),
              (QList<QVariantList>{{950.0, 1}}));
}

// The 19 sacks of cement take 0.76 m³; the other invoices move nothing with a volume.
TEST_F(LoadCapacityTest, VolumeShowsBesideWeightEachWithItsOwnCapacityAndTheFullerColoursAndIsNamedWhenOver)
{
    host.ownerExec("UPDATE ItemsInventario SET volumen = 0.04 WHERE codigo = 'CEM'");
    capacity(camion, 1900.0);
    volume(furgoneta, 0.8);
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    clickRow(1);
    EXPECT_EQ(text(), u"950.000 de 1,900 kg (50 %)"_s) << "a type with only a weight capacity";
    pick("cbTipoVehiculo", "Furgoneta");
    EXPECT_EQ(text(), u"0.760 de 0.8 m³ (95 %)"_s) << "a type with only a volume capacity";
    EXPECT_TRUE(colour().contains(Amber)) << colour().toStdString();
    clickRow(1);
    EXPECT_EQ(text(), u"0.000 de 0.8 m³ (0 %)"_s);
    clickRow(1);

    // Half full by weight, over by volume: the bar and its colour follow the volume.
    volume(camion, 0.5);
    pick("cbTipoVehiculo", "Camión");
    EXPECT_EQ(text(), u"950.000 de 1,900 kg (50 %)\n0.760 de 0.5 m³ (152 %)"_s);
    EXPECT_EQ(bar(), 100);
    EXPECT_TRUE(colour().contains(Red)) << colour().toStdString();

    const QList<QVariantList> before = stored();
    utilities->answer(false);
    click("cbOk");
    capacity(camion, 900.0);
    pick("cbTipoVehiculo", "Furgoneta");
    pick("cbTipoVehiculo", "Camión");
    utilities->answer(false);
    click("cbOk");
    ASSERT_EQ(utilities->questions.size(), 2u);
    EXPECT_EQ(utilities->questions[0].prompt,
              QStringLiteral("El volumen de la carga (0.760 m³) supera la capacidad del vehículo (0.5 m³). "
                             "¿Desea registrar la guía de todas formas?"));
    EXPECT_EQ(utilities->questions[1].prompt,
              QStringLiteral("El peso de la carga (950.000 kg) y su volumen (0.760 m³) superan la capacidad del "
                             "vehículo (900 kg y 0.5 m³). ¿Desea registrar la guía de todas formas?"));
    EXPECT_EQ(stored(), before);
    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
}

} // namespace
} // namespace selecttest
