#include "SelectDialogTest.h"

#include "toolkit/StatusBar.h"
#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"

using namespace Qt::StringLiterals;

namespace {

using selecttest::SelectDialogTest;

// A clerk's day with the keyboard alone: every key that is not text typed into a box is counted
// and named, and the status bar must name what each control reached expects.
class KeyboardDayTest : public SelectDialogTest
{
protected:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *before = focused();
        keys << QKeySequence(int(modifiers) | int(key)).toString();
        QTest::keyClick(before, key, modifiers);
        // A mnemonic presses its button with a short animation.
        if (modifiers & Qt::AltModifier)
            QTest::qWait(250);
        QCoreApplication::processEvents();
        QWidget *now = focused();
        if (now && now != before && now->window() == before->window()) {
            EXPECT_FALSE(hintOf(now).isEmpty()) << now->objectName().toStdString();
            EXPECT_NE(hintOf(now), lastHint) << now->objectName().toStdString();
            lastHint = hintOf(now);
            visited << now->objectName();
        }
    }
    QString hintOf(const QWidget *control) const
    {
        return control->window()->findChild<toolkit::StatusBar *>("StatusBar1")->Panels(1)->text();
    }
    // The key that picks an item of the next popup menu by its mnemonic.
    void whenMenuShownPress(Qt::Key mnemonic)
    {
        auto *menu = control<QMenu>("mnuPopup");
        QObject::connect(
            menu, &QMenu::aboutToShow, menu,
            [this, menu, mnemonic] {
                QTimer::singleShot(0, menu, [this, menu, mnemonic] {
                    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
                    const QRect row = grid().visualRect(grid().currentIndex());
                    EXPECT_NEAR(menu->pos().y(), grid().viewport()->mapToGlobal(row.bottomLeft()).y(), 3)
                        << "the menu opens under the current row";
                    QTest::keyClick(menu, mnemonic);
                    keys << QKeySequence(mnemonic).toString();
                });
            },
            Qt::SingleShotConnection);
    }
    QList<qint32> links(qint32 guia)
    {
        QList<qint32> numeros;
        const QString sql = "SELECT NumeroFactura FROM gdFacturasGuia WHERE idGuia = ? ORDER BY NumeroFactura";
        for (const QVariantList &row : rows(sql, {guia}))
            numeros << row.at(0).toInt();
        return numeros;
    }

    QStringList keys;
    QStringList visited;
    QString lastHint;
};

TEST_F(KeyboardDayTest, AGuideIsRegisteredAndReviewedWithFewKeysThatAreNotData)
{
    // Zone 01 lists A-000001 and B-000007 and these eight, oldest first.
    QList<qint32> zona01{facturas[1], facturas[3]};
    for (int i = 0; i < 8; ++i) {
        zona01 << host.addFactura("C", 10 + i, "CL1", "Bodega Centro", 10.0 + i, 1.6, 1.0,
                                  QDateTime(QDate(2024, 3, 4 + i), QTime(8, 0)));
    }
    openToRegister(false);
    lastHint = hint();

    // (a) Registering: a driver, a new vehicle, the zone's invoices but the last three.
    type("C01");
    press(Qt::Key_Tab);
    type("xyz7890");
    utilities->answer(true);
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    for (const char *text : {"9bwzzz377vt004251", "2020", "iveco", "daily", "blanco"}) {
        type(text);
        press(Qt::Key_Tab);
    }
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    ASSERT_EQ(column(0).size(), 10) << utilities->messages.join(u'|').toStdString();
    EXPECT_EQ(focused(), &grid()) << "the load hands the keys to the grid";
    EXPECT_EQ(std::pair(grid().Row(), grid().Col()), std::pair(1, 4)) << "the first invoice's tick is current";
    EXPECT_EQ(grid().currentIndex(), grid().model()->index(0, 4));
    EXPECT_TRUE(grid().RowIsVisible(1));
    EXPECT_TRUE(hint().contains(u"Mayús+F10"_s)) << hint().toStdString();

    whenMenuShownPress(Qt::Key_S);
    press(Qt::Key_Menu);
    EXPECT_EQ(column(4), QStringList(10, u"þ"_s));
    press(Qt::Key_End, Qt::ControlModifier);
    press(Qt::Key_Space);
    press(Qt::Key_Up, Qt::ShiftModifier);
    press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(grid().selectionModel()->selectedRows().size(), 3) << "the range is drawn selected";
    press(Qt::Key_Space);
    EXPECT_EQ(column(4), QStringList(10, u"þ"_s)) << "a range with one unticked row is ticked whole";
    press(Qt::Key_Space);
    EXPECT_EQ(column(4), QStringList(7, u"þ"_s) + QStringList(3, u"o"_s));
    EXPECT_EQ(totals(), QStringList({"7", "10.000", "195.60"}));
    utilities->answer(false);
    utilities->answer(false);
    press(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'|').toStdString();
    EXPECT_LE(keys.size(), 25);
    EXPECT_EQ(std::exchange(keys, {}),
              QStringList({"Tab", "Tab", "Down", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Down", "Tab", "Space", "Tab",
                           "Return", "Menu", "S", "Ctrl+End", "Space", "Shift+Up", "Shift+Up", "Space", "Space", "Alt+P"}));
    EXPECT_EQ(std::exchange(visited, {}),
              QStringList({"placasVehiculo", "cbTipoVehiculo", "serialNIV", "anho", "marca", "modelo", "colorVehiculo", "vendedor",
                           "cbZonaDespacho", "chkFiltrarZona", "cbCargarFacturas", "detalles", "conductor"}));
    const qint32 guia = host.scalar("SELECT MAX(id) FROM gdVontarelis").toInt();
    EXPECT_EQ(links(guia), zona01.mid(0, 7));
    const QVariantList registrada =
        rows("SELECT g.zona, g.facturas, v.placas FROM gdVontarelis g JOIN gdVehiculos v ON v.id = g.idVehiculo WHERE g.id = ?",
             {guia})
            .value(0);
    EXPECT_EQ(QStringList({registrada.value(0).toString(), registrada.value(1).toString(), registrada.value(2).toString()}),
              QStringList({"01", "7", "XYZ7890"}));
    // A clerk answers each question with one key (Enter, or "S" for a Sí that is not the default).
    const auto prompts = [this] {
        QStringList asked;
        for (const auto &question : utilities->questions)
            asked << question.prompt.section(u'\n', -1);
        utilities->questions.clear();
        return asked;
    };
    EXPECT_EQ(prompts(), QStringList({"¿Desea registrar un nuevo vehiculo?", "Quiere emitir el listado detallado de facturas",
                                      "Quiere emitir la hoja de ruta"}));
    dialog->close();

    // (b) Reviewing it: the two oldest stayed behind, and the guide is closed.
    vontarelis::frmConfirmarBruvelos review;
    review.show();
    review.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&review));
    lastHint = hintOf(&review);
    type(QString::number(guia));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    auto *revisadas = review.findChild<toolkit::FlexGrid *>("detalles");
    EXPECT_EQ(revisadas->Row(), 1);
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_Space);
    EXPECT_EQ(review.findChild<QLabel *>("lblqFacturas")->text(), u"5"_s) << "the totals follow the range";
    utilities->answer(true);
    utilities->answer(false);
    press(Qt::Key_P, Qt::AltModifier);
    EXPECT_LE(keys.size(), 12);
    EXPECT_EQ(std::exchange(keys, {}),
              QStringList({"Tab", "Tab", "Space", "Tab", "Tab", "Tab", "Tab", "Shift+Down", "Space", "Alt+P"}));
    EXPECT_EQ(std::exchange(visited, {}),
              QStringList({"fechaReporte", "chkCerrarGuia", "cbAgregarFactura", "cbSelectAll", "cbDeselectAll", "detalles",
                           "numGuia"}))
        << "one Tab leaves the date";
    EXPECT_EQ(links(guia), zona01.mid(2, 5));
    const QVariantList revisada = rows("SELECT Cerrada, facturasDespacho FROM gdVontarelis WHERE id = ?", {guia}).value(0);
    EXPECT_EQ(std::pair(revisada.value(0).toInt(), revisada.value(1).toInt()), std::pair(1, 5));
    EXPECT_EQ(prompts(), QStringList({"¿Realmente desea cerrarla?", "Quiere emitir el listado detallado de facturas"}));
    EXPECT_TRUE(utilities->errors.empty());
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'|').toStdString();
    review.close();
}

} // namespace
