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

using namespace Qt::StringLiterals;

namespace {

// The window over the test host's connection, in Spanish (Venezuela) numbers, with the type
// "Furgón" stored.
class VehicleTypesDialogTest : public ::testing::Test
{
protected:
    VehicleTypesDialogTest() : furgon(host.addTipoVehiculo("Furgón")) {}

    QSqlDatabase connection() { return dynamic_cast<marbelisto::Framework &>(host.framework()).database().connection(); }

    void open()
    {
        dialog = std::make_unique<marbelisto::VehicleTypesDialog>(connection());
        dialog->show();
    }

    // Types into the cell's editor as a user does and presses Enter.
    void type(int row, int column, const QString &text)
    {
        QTableView &view = dialog->view();
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
    QString shown(int row, int column) const { return dialog->view().model()->index(row, column).data().toString(); }
    void click(const char *button) { QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton); }
    QVariant stored(const char *column, const QString &where, const QVariant &value)
    {
        return host.scalar(QStringLiteral("SELECT %1 FROM gdTiposVehiculo WHERE %2 = ?").arg(column, where), {value});
    }

    const testsupport::LocaleScope locale{QLocale(QLocale::Spanish, QLocale::Venezuela)};
    const testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    const qint32 furgon;
    std::unique_ptr<marbelisto::VehicleTypesDialog> dialog;
};

} // namespace

TEST_F(VehicleTypesDialogTest, StoresValidCapacitiesOfWeightAndVolumeInTheLocaleFormatAndRefusesTheRest)
{
    host.addTipoVehiculo("Gandola");
    open();
    const int name = dialog->model().nameColumn();
    const int capacity = dialog->model().capacityColumn();
    ASSERT_EQ(dialog->model().rowCount(), 2);
    ASSERT_EQ(shown(0, name), u"Furgón"_s);
    EXPECT_EQ(shown(0, capacity), QString()) << "no capacity is shown empty";

    for (const auto &[typed, kilos, text] : {std::tuple("3.500", 3500.0, u"3.500"_s), std::tuple("3500,5", 3500.5, u"3.500,5"_s)}) {
        type(0, capacity, typed);
        click("btnGuardar");
        EXPECT_DOUBLE_EQ(stored("capacidadKg", "id", furgon).toDouble(), kilos);
        EXPECT_EQ(shown(0, capacity), text);
    }
    for (const char *wrong : {"0", "-5", "abc"}) {
        type(0, capacity, wrong);
        EXPECT_EQ(shown(0, capacity), u"3.500,5"_s) << wrong;
        EXPECT_TRUE(dialog->findChild<QLabel *>("lblAviso")->text().contains(wrong)) << "the user is told why: " << wrong;
        EXPECT_FALSE(dialog->model().isDirty()) << wrong;
        click("btnGuardar");
        EXPECT_DOUBLE_EQ(stored("capacidadKg", "id", furgon).toDouble(), 3500.5) << wrong;
    }

    // The volume capacity sits beside the weight's and follows the same rules.
    const int volume = dialog->model().volumeColumn();
    type(0, volume, "18,5");
    click("btnGuardar");
    EXPECT_DOUBLE_EQ(stored("capacidadM3", "id", furgon).toDouble(), 18.5);
    type(0, volume, "0");
    EXPECT_EQ(shown(0, volume), u"18,5"_s);
    EXPECT_TRUE(dialog->findChild<QLabel *>("lblAviso")->text().contains(u"metros cúbicos"_s));

    type(0, name, "  ");
    EXPECT_EQ(shown(0, name), u"Furgón"_s);
    type(0, capacity, QString());
    click("btnGuardar");
    EXPECT_TRUE(stored("capacidadKg", "id", furgon).isNull()) << "an emptied capacity is stored as NULL";
    EXPECT_EQ(stored("nombre", "id", furgon).toString(), u"Furgón"_s);
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'\n').toStdString();
}

TEST_F(VehicleTypesDialogTest, AddsATypeAndKeepsTheEditsWhenTheDatabaseRefusesThem)
{
    open();
    // Enter on the focused button presses it.
    auto *add = dialog->findChild<QPushButton *>("btnAgregar");
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Return);
    ASSERT_EQ(dialog->model().rowCount(), 2);
    click("btnGuardar");
    ASSERT_EQ(utilities->messages.size(), 1) << "a new type without a name is not saved";
    EXPECT_EQ(host.scalar("SELECT COUNT(*) FROM gdTiposVehiculo").toInt(), 1);

    type(1, dialog->model().nameColumn(), "Camión 750");
    type(1, dialog->model().capacityColumn(), "750");
    // Another workstation took the name first and the database refuses a second one.
    // Run unprepared: PostgreSQL prepares only queries and data changes, not an index.
    QSqlQuery index(host.owner().database().connection());
    ASSERT_TRUE(index.exec("CREATE UNIQUE INDEX uxTipoNombre ON gdTiposVehiculo (nombre)")) << index.lastError().text().toStdString();
    host.addTipoVehiculo("Camión 750");
    click("btnGuardar");
    ASSERT_EQ(utilities->messages.size(), 2);
    EXPECT_TRUE(utilities->messages.back().startsWith("No se pudieron guardar")) << utilities->messages.back().toStdString();
    EXPECT_EQ(shown(1, dialog->model().nameColumn()) + '|' + shown(1, dialog->model().capacityColumn()), u"Camión 750|750"_s)
        << "the edits stay after a failed save";

    host.exec("DELETE FROM gdTiposVehiculo WHERE nombre = ?", {"Camión 750"});
    click("btnGuardar");
    EXPECT_EQ(utilities->messages.size(), 2) << utilities->messages.back().toStdString();
    EXPECT_EQ(host.scalar("SELECT COUNT(*) FROM gdTiposVehiculo").toInt(), 2);
    EXPECT_DOUBLE_EQ(stored("capacidadKg", "nombre", "Camión 750").toDouble(), 750.0);
}
