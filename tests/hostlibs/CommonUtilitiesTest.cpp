#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Currency.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"
#include "vontarelis/forms/select/frmSelectFacturas.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using hostlibs::StandardCommonUtilities;

TEST(CommonUtilities, TextHelpersAndAnIniPathPerUserAndApplication)
{
    StandardCommonUtilities utilities;
    EXPECT_EQ(utilities.FormatText("INVALIDO (%1)", {7}), "INVALIDO (7)");
    EXPECT_EQ(utilities.FormatText("%2 de %1, %2 otra vez; %10 y %3 sin valor", {"uno", 2.5}),
              "2.5 de uno, 2.5 otra vez; %10 y %3 sin valor");
    EXPECT_EQ(utilities.FormatText("%1", {QVariant::fromValue(toolkit::Currency::fromRaw(15000))}), "1.5");
    EXPECT_EQ(utilities.ExtractCode("Zona Norte (N01)"), "N01");
    EXPECT_EQ(utilities.ExtractCode("Valle (Sur) (VS2)"), "VS2");
    EXPECT_EQ(utilities.ExtractCode("Sin código"), "Sin código");
    auto builder = hostlibs::NewTextBuilder();
    builder->Append("12, ");
    builder->Append("15");
    EXPECT_EQ(builder->ToString(), "12, 15");

    const QString path = utilities.ResolveIniPath("QRN.ini", "QRN");
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) && path.endsWith("/QRN/QRN.ini"))
        << path.toStdString();
}

TEST(CommonUtilities, ShowFormRunsTheFormModallyAndForgetsOneThatDeletedItself)
{
    StandardCommonUtilities utilities;
    std::unique_ptr<QDialog> kept = std::make_unique<QDialog>();
    QTimer::singleShot(0, kept.get(), [dialog = kept.get()] {
        EXPECT_TRUE(dialog->isModal());
        dialog->accept();
    });
    utilities.ShowForm(kept);
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->isVisible());

    std::unique_ptr<QDialog> selfDeleting = std::make_unique<QDialog>();
    selfDeleting->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, selfDeleting.get(), [dialog = selfDeleting.get()] { dialog->close(); });
    utilities.ShowForm(selfDeleting);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(selfDeleting);
}

TEST(CommonUtilities, EnterMovesOnFromAFieldAndPressesAFocusedButtonAndAltPIsProcesarInARealDialog)
{
    testsupport::TestHost host;
    host.exec("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
              "totalIVA, vendedor, zona, Cerrada) VALUES ('C01', ?, ?, 'OP', 0, 0, 0, 0, '', '', 0)",
              {host.addVehiculo(host.addTipoVehiculo("Camión"), "AB123CD"), QDate(2024, 3, 15).startOfDay()});
    testsupport::ScriptedCommonUtilitiesScope utilities;
    vontarelis::InitHostContext(host.framework());
    {
        vontarelis::frmConfirmarBruvelos form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        auto *numGuia = form.findChild<QWidget *>("numGuia");
        numGuia->setFocus();
        QTest::keyClicks(numGuia, host.scalar("SELECT MAX(id) FROM gdVontarelis").toString());
        QTest::keyClick(numGuia, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), form.findChild<QWidget *>("fechaReporte"));

        // A mnemonic shows its button going down before it clicks: "Procesar" asks about an empty list.
        utilities->answer(false);
        QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !utilities->questions.empty(); }));
        EXPECT_TRUE(utilities->questions.back().prompt.startsWith("No hay facturas seleccionadas"));

        auto *cancelar = form.findChild<QPushButton *>("cbCancelar");
        cancelar->setFocus();
        utilities->answer(false);
        QTest::keyClick(cancelar, Qt::Key_Return);
        EXPECT_EQ(utilities->questions.back().prompt, "Abandonar los cambios");
    }
    const vontarelis::frmSelectFacturas creation;
    EXPECT_EQ(QKeySequence::mnemonic(creation.findChild<QPushButton *>("cbOk")->text()),
              QKeySequence(Qt::ALT | Qt::Key_P));
    vontarelis::gHost = nullptr;
    vontarelis::gEmpresa.reset();
    vontarelis::gTemaUI.reset();
}
