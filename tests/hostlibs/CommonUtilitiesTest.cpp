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
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
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

// Enter between the fields of a real dialog is walked in the creation dialog's tests.
TEST(CommonUtilities, EnterPressesTheFocusedButtonAndAltPIsProcesarInBothDialogs)
{
    testsupport::TestHost host;
    testsupport::ScriptedCommonUtilitiesScope utilities;
    vontarelis::InitHostContext(host.framework());
    {
        vontarelis::frmConfirmarBruvelos form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // Alt+P heads for "Procesar", which the number field must let pass first.
        QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(utilities->messages, QStringList{"Introduzca un número de guía válido"});

        auto *cancelar = form.findChild<QPushButton *>("cbCancelar");
        cancelar->setFocus();
        QTest::keyClick(cancelar, Qt::Key_Return);
        EXPECT_FALSE(form.isVisible());
    }
    const vontarelis::frmSelectFacturas creation;
    EXPECT_EQ(QKeySequence::mnemonic(creation.findChild<QPushButton *>("cbOk")->text()),
              QKeySequence(Qt::ALT | Qt::Key_P));
    vontarelis::gHost = nullptr;
    vontarelis::gEmpresa.reset();
    vontarelis::gTemaUI.reset();
}

TEST(CommonUtilities, ANoticeShowsOverTheActiveWindowWithoutTakingItsFocusAndJoinsTheNext)
{
    StandardCommonUtilities utilities;
    QLineEdit window;
    window.show();
    QApplication::setActiveWindow(&window);
    window.setFocus();
    utilities.ShowNotice("Se imprimió en el archivo uno.pdf");
    utilities.ShowNotice("Se imprimió en el archivo dos.pdf");
    const auto *notice = window.findChild<QLabel *>("avisoPasivo");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "Se imprimió en el archivo uno.pdf\nSe imprimió en el archivo dos.pdf");
    EXPECT_EQ(QApplication::focusWidget(), &window);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A question answered right before the print is still the active window while it closes.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QDialog question(&dialog);
    question.show();
    QApplication::setActiveWindow(&question);
    question.hide();
    utilities.ShowNotice("Se imprimió en el archivo tres.pdf");
    QPointer<QLabel> onDialog = dialog.findChild<QLabel *>("avisoPasivo", Qt::FindDirectChildrenOnly);
    ASSERT_NE(onDialog, nullptr);
    EXPECT_TRUE(onDialog->isVisible());
    // A dialog that closes takes its notice with it.
    dialog.hide();
    EXPECT_TRUE(onDialog.isNull() || !onDialog->isVisible());
}

TEST(CommonUtilities, AnErrorBoxKeepsItsDetailsApartAndTheSameErrorIsNotStackedOnItWhileItShows)
{
    StandardCommonUtilities utilities;
    const QString text = "No hay conexión con el servidor PostgreSQL «db:5432/oficina».";
    int boxes = 0;
    // Each box that comes up is looked at and closed; one that comes up over another counts too.
    QObject scope;
    std::function<void()> closeBox = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return QTimer::singleShot(10, &scope, closeBox);
        ++boxes;
        EXPECT_EQ(std::pair(box->text(), box->detailedText()), std::pair(text, QString("Connection refused")));
        QTimer::singleShot(100, &scope, closeBox);
        // The next tick of a refresh fails again while the first box shows.
        if (boxes == 1)
            utilities.ShowError(text, "Connection refused");
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, &scope, closeBox);
    utilities.ShowError(text, "Connection refused");
    EXPECT_EQ(boxes, 1);
    // Once closed, the same error shows again.
    utilities.ShowError(text, "Connection refused");
    EXPECT_EQ(boxes, 2);
}
