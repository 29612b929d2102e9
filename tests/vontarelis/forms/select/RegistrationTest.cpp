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
    ASSERT_EQ(utilities->questions.size(), 3u);
    EXPECT_TRUE(utilities->questions[1].prompt.startsWith("Quiere emitir el listado detallado de facturas"));
    EXPECT_EQ(entries().mid(0, 13), QStringList({"", "", "", "", "", "", "", "", "", "", "", "", "0"}));
    EXPECT_EQ(totals(), QStringList({"3", "2.500", "1,287.60"})) << "the labels keep the guide just registered";
    EXPECT_EQ(hint(), u"Guía 0000002 registrada"_s);
    // The driver box's hint, given again as the window gets the focus back, keeps saying so.
    control<QWidget>("vendedor")->setFocus();
    control<QWidget>("conductor")->setFocus();
    EXPECT_TRUE(hint().startsWith(u"Guía 0000002 registrada. Introduzca el c"_s)) << hint().toStdString();
    EXPECT_EQ((column(4) + column(8)).join(QString()), QString()) << "no row holds a tick or an invoice";
    EXPECT_EQ(focused()->objectName(), u"conductor"_s);
    EXPECT_EQ(nextGuide(*dialog), u"0000003"_s);
}

TEST_F(SelectDialogTest, AKnownVehicleIsUpdatedOnlyWhenTheUserChangedAValue)
{
    host.addVehiculo(camion, "DEF5678", "Chevrolet", "Npr", "Blanco perla", "9bwzzz377vt00425", "", 2019);
    openToRegister();
    fill("conductor", "C01");
    fill("placasVehiculo", "def5678");
    for (int field = 0; field < 6; ++field)
        key(Qt::Key_Tab);
    EXPECT_EQ(focused()->objectName(), u"vendedor"_s);
    EXPECT_EQ(texts<QLineEdit>({"serialNIV", "marca", "modelo", "colorVehiculo"}),
              QStringList({"9bwzzz377vt00425", "Chevrolet", "Npr", "Blanco perla"}));
    // Registers and tells whether the vehicle was written.
    const auto vehicleWritten = [this] {
        faulty.failStatement(0);
        utilities->answer(false);
        click("cbOk");
        const QString sent = faulty.statements().join(u'\n');
        return sent.contains("UPDATE gdVehiculos") || sent.contains("INSERT INTO gdVehiculos");
    };
    EXPECT_FALSE(vehicleWritten()) << "tabbing through is no change";
    EXPECT_EQ(rows("SELECT marca, modelo, color, serialNIV FROM gdVehiculos WHERE placas = 'DEF5678'"),
              QList<QVariantList>({{"Chevrolet", "Npr", "Blanco perla", "9bwzzz377vt00425"}}));

    enterDriverAndKnownVehicle();
    fill("colorVehiculo", "rojo");
    EXPECT_FALSE(vehicleWritten()) << "retyping in lower case is no change";
    EXPECT_EQ(rows("SELECT idVehiculo FROM gdVontarelis WHERE id = 3"), QList<QVariantList>({{vehiculoConocido}}));

    enterDriverAndKnownVehicle();
    fill("marca", "mack");
    EXPECT_TRUE(vehicleWritten());
    EXPECT_EQ(rows("SELECT marca, color, placas FROM gdVehiculos WHERE id = ?", {vehiculoConocido}),
              QList<QVariantList>({{"MACK", "ROJO", "ABC1234"}}));
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(SelectDialogTest, TheGuideCarriesTheVehicleOnScreenAndNoneOnlyWhenTheUserSaysSo)
{
    openToRegister(false);
    enterDriverAndKnownVehicle();
    utilities->answer(false);
    click("cbOk");
    // The next guide: a driver, no plate.
    click("conductor");
    type("C01");
    load();
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(std::pair(utilities->questions.back().prompt, utilities->questions.back().defaultYes),
              std::pair(u"La guía no tiene vehículo. ¿Desea registrarla así?"_s, false));
    utilities->answer(true);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(rows("SELECT id, idVehiculo FROM gdVontarelis WHERE id > 1"),
              QList<QVariantList>({{2, vehiculoConocido}, {3, 0}})) << "no wrote nothing; yes, a guide without vehicle";

    // A new plate takes what its boxes show, though another vehicle filled them.
    enterDriverAndKnownVehicle();
    utilities->answer(true);
    fill("placasVehiculo", "nue1234");
    pick("cbTipoVehiculo", "Furgoneta");
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(rows("SELECT v.tipoVehiculo, v.placas, v.marca, v.modelo, v.color, v.serialNIV, v.anho FROM gdVontarelis g "
                   "INNER JOIN gdVehiculos v ON v.id = g.idVehiculo WHERE g.id = 4"),
              QList<QVariantList>({{furgoneta, "NUE1234", "FORD", "CARGO", "ROJO", "1FDXK84A5KVA12345", 2015}}));

    // A box that fails its check stops "Procesar" there, before anything is written.
    fill("conductor", "C01");
    utilities->answer(true);
    fill("placasVehiculo", "otr1234");
    pick("cbTipoVehiculo", "Camión");
    const auto beforeNew = stored();
    utilities->messages.clear();
    click("cbOk");
    EXPECT_EQ(std::pair(focused()->objectName(), utilities->messages),
              std::pair(u"serialNIV"_s, QStringList{"Introduzca el serial NIV del vehículo"}));
    EXPECT_EQ(stored(), beforeNew);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(SelectDialogTest, MoreTickedInvoicesThanAGuideCanCountFillTheGridButAreRefusedBeforeAnythingIsWritten)
{
    // With the book's four, one more than a 16-bit count holds.
    host.ownerExec("INSERT INTO facturas (serie, correlativo, codigoCliente, NombreCliente, FechaTransaccion, precioEfectivo, "
                   "Impuesto1, tipocambio) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32764) "
                   "SELECT 'M', i, 'CL1', 'Bodega Centro', ?, 1, 0, 1 FROM n",
                   {QDateTime(QDate(2024, 3, 4), QTime(8, 0))});
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    EXPECT_EQ(std::pair(grid().Rows(), grid().TextMatrix(32768, 0)), std::pair(32769, u"M-032764"_s));
    whenMenuShown(0);
    clickRow(1, Qt::RightButton);
    EXPECT_EQ(totals().at(0), u"32,768"_s);
    const auto before = stored();
    click("cbOk");
    EXPECT_EQ(utilities->messages, QStringList({"Una guía puede llevar como máximo 32,767 facturas y hay 32,768 marcadas. "
                                                "Desmarque 1 para registrarla y lleve las demás en otra guía"}));
    EXPECT_EQ(stored(), before);
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
    dialog->setGeometry(40, 90, 740, 450);
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
    // Vehicle insert and its number, guide insert, its number and its registration time, three
    // links, and the statement that numbers their stops.
    const int beforeCommit = 9;
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
    EXPECT_TRUE(faulty.statements().at(beforeCommit - 1).startsWith("UPDATE gdFacturasGuia SET Parada = CASE"));

    // The retry saves the vehicle again and links the guide to it.
    faulty.failStatement(0);
    utilities->answer(false);
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
    // Guide insert, its number, its registration time, the link and its stop come first.
    faulty.failStatement(6);
    click("cbOk");
    EXPECT_TRUE(faulty.failed());
    EXPECT_EQ(utilities->errors.back().source, u"frmSelectFacturas::cbOk_Click"_s);
    EXPECT_EQ(rows("SELECT idGuia FROM gdFacturasGuia WHERE NumeroFactura = ?", {facturas[2]}),
              rows("SELECT MAX(id) FROM gdVontarelis"));
    EXPECT_EQ(rows("SELECT COUNT(*) FROM gdVontarelis WHERE id > ?", {lastGuide}), QList<QVariantList>({{2}}));
    EXPECT_EQ(entries(), ticked);
}

TEST_F(SelectDialogTest, AnInvoiceTakenMeanwhileByAnotherWorkstationLeavesTheGridAndTheRestIsRegistered)
{
    openToRegister(false);
    enterDriverAndKnownVehicle();
    load();
    for (const int row : {1, 2, 3})
        clickRow(row);
    const auto otherWorkstation = host.openSecondConnection();
    for (const int taken : {0, 2})
        otherWorkstation->ExecuteSQLA("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, ?)", {facturas[taken]});
    click("cbOk");
    EXPECT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
    EXPECT_EQ(utilities->messages,
              QStringList({"Estas facturas ya están en otra guía y se quitaron de la lista:\r\n"
                           "A-000009 en la guía 0000001\r\nA-000002 en la guía 0000001\r\n"
                           "Pulse «Procesar» para registrar la guía con las demás"}));
    EXPECT_EQ(column(0) + column(4), QStringList({"A-000001", "B-000007", "þ", "o"}));
    EXPECT_EQ(totals(), QStringList({"1", "10.000", "116.00"}));

    // Only now is a guide stored; the refused attempt may have used up a number.
    utilities->answer(false);
    utilities->answer(false);
    click("cbOk");
    EXPECT_EQ(rows("SELECT g.facturas, g.totalPeso, g.totalPrecioVenta, l.NumeroFactura FROM gdVontarelis g "
                   "INNER JOIN gdFacturasGuia l ON l.idGuia = g.id WHERE g.id > 1"),
              QList<QVariantList>({{1, 10.0, money(100.0), facturas[1]}}));
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
