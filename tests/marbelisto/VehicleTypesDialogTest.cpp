#include "marbelisto/ui/VehicleTypesDialog.h"
#include "marbelisto/ui/VehicleTypesModel.h"

#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using marbelisto::VehicleTypesDialog;
using testsupport::TestHost;

namespace {

QSqlDatabase connectionOf(TestHost &host)
{
    return dynamic_cast<marbelisto::Framework &>(host.framework()).database().connection();
}

// Types into the cell's editor as a user does and presses Enter.
void type(VehicleTypesDialog &dialog, int row, int column, const QString &text)
{
    QTableView &view = dialog.view();
    const QModelIndex index = view.model()->index(row, column);
    view.setCurrentIndex(index);
    view.edit(index);
    // A closed editor is only hidden until it is deleted later: the open one is the visible one.
    QLineEdit *editor = nullptr;
    for (QLineEdit *candidate : view.viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            editor = candidate;
    }
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits a moment after the key.
    QCoreApplication::processEvents();
}

QString shown(VehicleTypesDialog &dialog, int row, int column)
{
    return dialog.view().model()->index(row, column).data().toString();
}

void clickSave(VehicleTypesDialog &dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnGuardar")), Qt::LeftButton);
}

} // namespace

TEST(VehicleTypesDialog, StoresValidCapacitiesInTheLocaleFormatAndRefusesTheRest)
{
    const testsupport::LocaleScope locale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    const testsupport::ScriptedCommonUtilitiesScope utilities;
    TestHost host;
    const qint32 furgon = host.addTipoVehiculo(QStringLiteral("Furgón"));
    host.addTipoVehiculo(QStringLiteral("Gandola"));
    const QString capacityOf = QStringLiteral("SELECT capacidadKg FROM gdTiposVehiculo WHERE id = ?");

    VehicleTypesDialog dialog(connectionOf(host));
    dialog.show();
    const int name = dialog.model().nameColumn();
    const int capacity = dialog.model().capacityColumn();
    ASSERT_EQ(dialog.model().rowCount(), 2);
    ASSERT_EQ(shown(dialog, 0, name), QStringLiteral("Furgón"));
    EXPECT_EQ(shown(dialog, 0, capacity), QString()) << "no capacity is shown empty";

    type(dialog, 0, capacity, QStringLiteral("3.500"));
    clickSave(dialog);
    EXPECT_DOUBLE_EQ(host.scalar(capacityOf, {furgon}).toDouble(), 3500.0);
    EXPECT_EQ(shown(dialog, 0, capacity), QStringLiteral("3.500"));

    type(dialog, 0, capacity, QStringLiteral("3500,5"));
    clickSave(dialog);
    EXPECT_DOUBLE_EQ(host.scalar(capacityOf, {furgon}).toDouble(), 3500.5);
    EXPECT_EQ(shown(dialog, 0, capacity), QStringLiteral("3.500,5"));

    for (const QString &wrong : {QStringLiteral("0"), QStringLiteral("-5"), QStringLiteral("abc")}) {
        type(dialog, 0, capacity, wrong);
        EXPECT_EQ(shown(dialog, 0, capacity), QStringLiteral("3.500,5")) << wrong.toStdString();
        EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("lblAviso"))->text().contains(wrong))
            << "the user is told why: " << wrong.toStdString();
        EXPECT_FALSE(dialog.model().isDirty()) << wrong.toStdString();
        clickSave(dialog);
        EXPECT_DOUBLE_EQ(host.scalar(capacityOf, {furgon}).toDouble(), 3500.5) << wrong.toStdString();
    }

    type(dialog, 0, name, QStringLiteral("  "));
    EXPECT_EQ(shown(dialog, 0, name), QStringLiteral("Furgón"));
    type(dialog, 0, capacity, QString());
    clickSave(dialog);
    EXPECT_TRUE(host.scalar(capacityOf, {furgon}).isNull()) << "an emptied capacity is stored as NULL";
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT nombre FROM gdTiposVehiculo WHERE id = ?"), {furgon}).toString(),
              QStringLiteral("Furgón"));
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'\n').toStdString();
}

TEST(VehicleTypesDialog, AddsATypeAndKeepsTheEditsWhenTheDatabaseRefusesThem)
{
    const testsupport::LocaleScope locale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    const testsupport::ScriptedCommonUtilitiesScope utilities;
    TestHost host;
    host.addTipoVehiculo(QStringLiteral("Furgón"));
    VehicleTypesDialog dialog(connectionOf(host));
    dialog.show();
    const int name = dialog.model().nameColumn();
    const int capacity = dialog.model().capacityColumn();

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnAgregar")), Qt::LeftButton);
    ASSERT_EQ(dialog.model().rowCount(), 2);
    clickSave(dialog);
    ASSERT_EQ(utilities->messages.size(), 1) << "a new type without a name is not saved";
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdTiposVehiculo")).toInt(), 1);

    type(dialog, 1, name, QStringLiteral("Camión 750"));
    type(dialog, 1, capacity, QStringLiteral("750"));
    // Another workstation took the name first and the database refuses a second one.
    // Run unprepared: PostgreSQL prepares only queries and data changes, not an index.
    QSqlQuery index(connectionOf(host));
    ASSERT_TRUE(index.exec(QStringLiteral("CREATE UNIQUE INDEX uxTipoNombre ON gdTiposVehiculo (nombre)")))
        << index.lastError().text().toStdString();
    host.addTipoVehiculo(QStringLiteral("Camión 750"));
    clickSave(dialog);
    ASSERT_EQ(utilities->messages.size(), 2);
    EXPECT_TRUE(utilities->messages.back().startsWith(QStringLiteral("No se pudieron guardar")))
        << utilities->messages.back().toStdString();
    EXPECT_EQ(shown(dialog, 1, name), QStringLiteral("Camión 750")) << "the edits stay after a failed save";
    EXPECT_EQ(shown(dialog, 1, capacity), QStringLiteral("750"));

    host.exec(QStringLiteral("DELETE FROM gdTiposVehiculo WHERE nombre = ?"), {QStringLiteral("Camión 750")});
    clickSave(dialog);
    EXPECT_EQ(utilities->messages.size(), 2) << utilities->messages.back().toStdString();
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdTiposVehiculo")).toInt(), 2);
    EXPECT_DOUBLE_EQ(host.scalar(QStringLiteral("SELECT capacidadKg FROM gdTiposVehiculo WHERE nombre = ?"),
                                 {QStringLiteral("Camión 750")})
                         .toDouble(),
                     750.0);
}
