#include "SelectDialogTest.h"

#include "toolkit/Currency.h"
#include "toolkit/FramedLabel.h"
#include "vontarelis/data/lmFormPlacement.h"
#include "vontarelis/entry/Activator.h"

using namespace Qt::StringLiterals;

namespace selecttest {

namespace {

QVariant money(double amount)
{
    return QVariant::fromValue(toolkit::Currency::fromDouble(amount));
}

QString nextGuide(const QDialog &dialog)
{
    return dialog.findChild<toolkit::FramedLabel *>("numeroProximaGuia")->text();
}

} // namespace

TEST_F(SelectDialogTest, ProcesarStoresTheGuideItsLinksAndTheNewVehicleThenPrintsAndEmptiesTheDialog)
{
    openToRegister(false);
    EXPECT_EQ(nextGuide(*dialog), u"0000002"_s);
    fill("conductor", " c01 ");
    enterNewVehicle("nue1234");
    fill("vendedor", "v02");
    pick("cbZonaDespacho", "Este (02)");
    load();
    for (const int row : {1, 2, 3})
        clickRow(row);
    EXPECT_EQ(totals(), QStringList({"3", "2.500", "1,287.60"}));
    utilities->answer(false);
    click("cbOk");

    ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    const auto vehiculos = rows("SELECT id, tipoVehiculo, placas, marca, modelo, color, serialNIV, serialMotor, anho "
                                "FROM gdVehiculos WHERE placas = 'NUE1234'");
    ASSERT_EQ(vehiculos.size(), 1);
    EXPECT_EQ(vehiculos[0].mid(1), QVariantList({furgoneta, "NUE1234", "IVECO", "DAILY", "BLANCO", "9BWZZZ377VT004251", "", 2020}));
    EXPECT_EQ(rows("SELECT id, conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, totalIVA, "
                   "vendedor, zona, Cerrada FROM gdVontarelis WHERE id > 1"),
              QList<QVariantList>({{2, "C01", vehiculos[0][0], QDate::currentDate().startOfDay(), "OPERADOR", 3, 2.5,
                                    money(1110.0), money(177.6), "V02", "02", 0}}));
    EXPECT_EQ(rows("SELECT NumeroFactura FROM gdFacturasGuia WHERE idGuia = 2 ORDER BY NumeroFactura"),
              QList<QVariantList>({{facturas[2]}, {facturas[3]}, {facturas[0]}}));

    // Printed once, then emptied for the next guide.
    EXPECT_EQ(printed(), 1);
    ASSERT_EQ(utilities->questions.size(), 2u);
    EXPECT_TRUE(utilities->questions[1].prompt.startsWith("Quiere emitir el listado detallado de facturas"));
    EXPECT_EQ(entries().mid(0, 13), QStringList({"", "", "", "", "", "", "", "", "", "", "", "", "0"}));
    EXPECT_EQ(totals(), QStringList({"3", "2.500", "1,287.60"})) << "the labels keep the guide just registered";
    EXPECT_EQ((column(4) + column(8)).join(QString()), QString()) << "no row holds a tick or an invoice";
    EXPECT_EQ(focused()->objectName(), u"conductor"_s);
    EXPECT_EQ(nextGuide(*dialog), u"0000003"_s);
}

TEST_F(SelectDialogTest, AKnownVehicleIsUpdatedOnlyWhenAFieldReallyChanged)
{
    openToRegister();
    enterDriverAndKnownVehicle();
    fill("colorVehiculo", "rojo");
    faulty.failStatement(0);
    utilities->answer(false);
    click("cbOk");
    const QString sent = faulty.statements().join(u'\n');
    EXPECT_FALSE(sent.contains("UPDATE gdVehiculos") || sent.contains("INSERT INTO gdVehiculos"))
        << "retyping in lower case is no change";
    EXPECT_EQ(rows("SELECT idVehiculo FROM gdVontarelis WHERE id = 2"), QList<QVariantList>({{vehiculoConocido}}));

    enterDriverAndKnownVehicle();
    fill("marca", "mack");
    faulty.failStatement(0);
    utilities->answer(false);
    click("cbOk");
    EXPECT_TRUE(faulty.statements().first().startsWith("UPDATE gdVehiculos"));
    EXPECT_EQ(rows("SELECT marca, color, placas FROM gdVehiculos WHERE id = ?", {vehiculoConocido}),
              QList<QVariantList>({{"MACK", "ROJO", "ABC1234"}}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(SelectDialogTest, AGuideWithoutTicksRecordsTheZoneChosenAtTheFirstAttemptAndCancelarSavesNothing)
{
    openToRegister();
    enterDriverAndKnownVehicle();
    pick("cbZonaDespacho", "Centro (01)");
    faulty.failStatement(1);
    click("cbOk");
    ASSERT_EQ(utilities->errors.size(), 1u);
    pick("cbZonaDespacho", "Este (02)");
    faulty.failStatement(0);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(utilities->errors.size(), 1u);
    EXPECT_EQ(rows("SELECT facturas, idVehiculo, vendedor, zona, totalPrecioVenta FROM gdVontarelis WHERE id = 2"),
              QList<QVariantList>({{0, vehiculoConocido, "", "01", money(0)}}));
    EXPECT_EQ(rows("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = 2"), QList<QVariantList>({{0}}));

    // "Cancelar" with ticked rows closes without a question and without saving; the placement
    // is kept for the next opening.
    enterDriverAndKnownVehicle();
    load();
    clickRow(1);
    const auto before = stored();
    dialog->setGeometry(120, 90, 660, 450);
    const QRect where = dialog->frameGeometry();
    click("cbCancelar");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(utilities->questions.size(), 1u);
    EXPECT_NE(vontarelis::ReadPlacementValue("frmSelectFacturas", "Left"), -100);
    open();
    const QRect again = dialog->frameGeometry();
    EXPECT_LE((again.topLeft() - where.topLeft()).manhattanLength(), 2);
    EXPECT_LE(qAbs(again.width() - where.width()) + qAbs(again.height() - where.height()), 2);
}

TEST_F(SelectDialogTest, AFailureAtAnyStatementBeforeTheCommitLeavesDatabaseAndDialogAsTheyWere)
{
    openToRegister();
    enterDriverAndKnownVehicle();
    enterNewVehicle("NUE1234");
    load();
    for (const int row : {1, 2, 4})
        clickRow(row);
    const auto before = stored();
    const QStringList shown = entries();
    // Ids are not gap-free: a rolled-back insert may use up a number.
    const QVariant lastGuide = rows("SELECT MAX(id) FROM gdVontarelis").value(0).value(0);
    // Vehicle insert and its number, guide insert, its number and its registration time, three links.
    const int beforeCommit = 8;
    for (int nth = 1; nth <= beforeCommit; ++nth) {
        faulty.failStatement(nth);
        click("cbOk");
        EXPECT_TRUE(faulty.failed()) << nth;
        EXPECT_EQ(stored(), before) << nth;
        EXPECT_EQ(entries(), shown) << nth;
        ASSERT_EQ(utilities->errors.size(), std::size_t(nth));
        EXPECT_EQ(utilities->errors.back().source, u"frmSelectFacturas::cbOk_Click"_s);
    }
    EXPECT_EQ(faulty.statements().mid(0, 4),
              QStringList({"INSERT INTO gdVehiculos (tipoVehiculo, placas, marca, color, serialNIV, serialMotor, anho, modelo) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                           "SELECT SCOPE_IDENTITY()",
                           "INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                           "totalPrecioVenta, totalIVA, vendedor, zona) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           "SELECT SCOPE_IDENTITY()"}));

    // The retry saves the vehicle again and links the guide to it.
    faulty.failStatement(0);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(utilities->errors.size(), std::size_t(beforeCommit));
    const auto vehiculo = rows("SELECT id FROM gdVehiculos WHERE placas = 'NUE1234'");
    ASSERT_EQ(vehiculo.size(), 1);
    EXPECT_EQ(rows("SELECT idVehiculo, facturas FROM gdVontarelis WHERE id > ?", {lastGuide}),
              QList<QVariantList>({{vehiculo[0][0], 3}}));
    EXPECT_EQ(printed(), 1);

    // A print that fails after the commit keeps the guide, and the dialog keeps what it shows.
    enterDriverAndKnownVehicle();
    load();
    clickRow(1);
    const QStringList ticked = entries();
    faulty.failStatement(5);
    click("cbOk");
    EXPECT_TRUE(faulty.failed());
    EXPECT_EQ(utilities->errors.back().source, u"frmSelectFacturas::cbOk_Click"_s);
    EXPECT_EQ(rows("SELECT idGuia FROM gdFacturasGuia WHERE NumeroFactura = ?", {facturas[2]}),
              rows("SELECT MAX(id) FROM gdVontarelis"));
    EXPECT_EQ(rows("SELECT COUNT(*) FROM gdVontarelis WHERE id > ?", {lastGuide}), QList<QVariantList>({{2}}));
    EXPECT_EQ(entries(), ticked);
}

TEST_F(SelectDialogTest, AnInvoiceTakenMeanwhileByAnotherWorkstationRollsTheWholeGuideBack)
{
    open();
    enterDriverAndKnownVehicle();
    load();
    clickRow(2);
    clickRow(3);
    const QStringList shown = entries();
    host.openSecondConnection()->ExecuteSQLA("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, ?)", {facturas[2]});
    const auto before = stored();
    click("cbOk");
    ASSERT_EQ(utilities->errors.size(), 1u);
    EXPECT_EQ(utilities->errors[0].source, u"frmSelectFacturas::cbOk_Click"_s);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(entries(), shown);
}

TEST_F(SelectDialogTest, GoShowsTheOneKeptDialogAndItsNextNumberFollowsOtherWorkstations)
{
    vontarelis::Activator activator;
    QList<QDialog *> forms;
    utilities->onShowForm = [&](std::unique_ptr<QDialog> &form) {
        forms << form.get();
        EXPECT_EQ(utilities->ApplicationName(), u"Marbelisto"_s);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_EQ(form->windowTitle(), u"Seleccion de las facturas"_s);
        const QString shownAtFirst = nextGuide(*form);
        if (forms.size() == 2) {
            host.openSecondConnection()->ExecuteSQLA(
                "INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
                "totalIVA, vendedor, zona) VALUES ('C01', 0, '2024-03-05 00:00:00', 'OTRO', 0, 0, 0, 0, '', '')",
                {});
            EXPECT_TRUE(QTest::qWaitFor([&] { return nextGuide(*form) == "0000003"; }, 6000));
        }
        EXPECT_EQ(shownAtFirst, u"0000002"_s);
        testinput::click(form->findChild<QWidget *>("cbCancelar"));
        EXPECT_FALSE(form->isVisible());
    };
    activator.Go(host.framework());
    activator.Go(host.framework());
    ASSERT_EQ(forms.size(), 2);
    EXPECT_EQ(forms[0], forms[1]);
    EXPECT_TRUE(utilities->errors.empty());
}

} // namespace selecttest
