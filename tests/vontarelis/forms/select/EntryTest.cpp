#include "SelectDialogTest.h"

#include "toolkit/DropDownList.h"

#include <QDate>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace selecttest {

namespace {

using FocusAnd = std::pair<QWidget *, QString>;
using Shown = std::pair<QString, QString>;

Shown shown(const toolkit::CodeLookupBox *box)
{
    return {box->text(), box->tag()};
}

// F2 in the focused box: the title of the list it opens and every line of it, then Escape.
QStringList listOpenedWithF2()
{
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *list = QApplication::activeModalWidget();
        ASSERT_NE(list, nullptr);
        seen << list->windowTitle();
        const QAbstractItemModel *model = list->findChild<QTableView *>("lista")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            seen << model->index(row, 0).data().toString() + u' ' + model->index(row, 1).data().toString();
        QTest::keyClick(list, Qt::Key_Escape);
    });
    QWidget *box = QApplication::focusWidget();
    QTest::keyClick(box, Qt::Key_F2);
    // Offscreen, no window manager gives the dialog back its activation.
    box->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(box->window()));
    EXPECT_TRUE(box->hasFocus());
    return seen;
}

} // namespace

TEST_F(SelectDialogTest, DriverAndSalespersonStoreTrimmedUpperCasedCodesAndShowWholeNames)
{
    open();
    auto *conductor = control<toolkit::CodeLookupBox>("conductor");
    auto *vendedor = control<toolkit::CodeLookupBox>("vendedor");
    EXPECT_EQ(listOpenedWithF2(), QStringList({"Conductor", "AB12 Pedro Antonio Páez Villalobos", "C01 Carlos Ruiz"}))
        << "the driver's list holds only drivers";
    key(Qt::Key_Tab);
    type("zz9");
    key(Qt::Key_Return);
    EXPECT_EQ(utilities->messages, QStringList({"Por favor suministre un codigo válido", "Codigo inválido"}));
    EXPECT_EQ(focused(), conductor);
    EXPECT_EQ(conductor->tag(), QString());

    fill("conductor", " ab12 ");
    EXPECT_EQ(shown(conductor), Shown("Pedro Antonio Páez Villalobos", "AB12"));
    EXPECT_EQ(focused()->objectName(), u"placasVehiculo"_s);
    // The plate box, left empty, holds the click back.
    click("conductor");
    EXPECT_EQ(FocusAnd(focused(), utilities->messages.last()),
              FocusAnd(control("placasVehiculo"), "No puede dejar la placa en blanco"));
    fill("placasVehiculo", "ABC1234");
    click("conductor");
    EXPECT_EQ(conductor->text(), u"AB12"_s) << "entering shows the code for editing";
    type(QString(25, u'9'));
    EXPECT_EQ(conductor->text().size(), 20) << "a code is typed within its limit";
    fill("conductor", "c01");
    EXPECT_EQ(shown(conductor), Shown("Carlos Ruiz", "C01"));

    utilities->messages.clear();
    fill("vendedor", " v02 ");
    EXPECT_EQ(shown(vendedor), Shown("Luis Alberto Gómez Quintero", "V02"));
    fill("vendedor", "nadie");
    EXPECT_EQ(utilities->messages, QStringList{"Codigo de vendedor invalido"});
    EXPECT_EQ(focused(), vendedor);
    EXPECT_EQ(shown(vendedor), Shown("NADIE", "V02")) << "the valid code stays";
    load();
    EXPECT_EQ(column(0), QStringList{QString()}) << "nothing is reached while the box is held";
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_Tab);
    EXPECT_EQ(shown(vendedor), Shown()) << "empty clears the filter";
    load();
    EXPECT_EQ(column(0).size(), 4);
}

TEST_F(SelectDialogTest, ThePlateFindsOrRegistersAVehicleAndEveryVehicleFieldChecksItsValue)
{
    host.addVehiculo(furgoneta, "XYZ9876");
    host.addVehiculo(furgoneta, "MNO5555");
    open();
    fill("conductor", "C01");
    auto *placas = control<QLineEdit>("placasVehiculo");
    for (const char *refused : {" ab12 ", "AB1234", ""}) {
        fill("placasVehiculo", refused);
        EXPECT_EQ(focused(), placas) << refused;
    }
    EXPECT_EQ(utilities->messages, QStringList({"La placa debe tener al menos 7 caracteres",
                                                "La placa debe tener al menos 7 caracteres",
                                                "No puede dejar la placa en blanco"}));
    type("AB");
    whenMenuShown(2);
    type("?");
    EXPECT_EQ(placas->text(), u"XYZ9876"_s);
    whenMenuShown(-1);
    type("?");
    EXPECT_EQ(placas->text(), u"XYZ9876"_s) << "the '?' itself is never typed";
    EXPECT_EQ(menusShown(), 2);

    // A known plate shows its vehicle.
    fill("placasVehiculo", " abc1234 ");
    auto *tipo = control<toolkit::DropDownList>("cbTipoVehiculo");
    EXPECT_EQ(texts<QLineEdit>({"placasVehiculo", "serialNIV", "anho", "marca", "modelo", "colorVehiculo"}),
              QStringList({"ABC1234", "1FDXK84A5KVA12345", "2015", "FORD", "CARGO", "ROJO"}));
    EXPECT_EQ(tipo->Text(), u"Camión"_s);
    EXPECT_EQ(focused(), tipo);

    // A plate that is not registered: no keeps the user in the box, yes starts a new vehicle.
    utilities->messages.clear();
    utilities->answer(false);
    fill("placasVehiculo", "nue1234");
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt, u"No tenemos un vehículo con esas placas\r\n¿Desea registrar un nuevo vehiculo?"_s);
    EXPECT_TRUE(utilities->questions[0].defaultYes);
    EXPECT_EQ(utilities->questions[0].title, u"Marbelisto: Guias de despacho"_s);
    EXPECT_EQ(FocusAnd(focused(), placas->text()), FocusAnd(placas, "NUE1234"));
    utilities->answer(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), tipo);
    EXPECT_EQ(tipo->ListIndex(), -1);
    EXPECT_EQ(control<QLineEdit>("marca")->text(), u"FORD"_s) << "the other fields stay";
    key(Qt::Key_Tab);
    EXPECT_EQ(utilities->messages, QStringList{"Debe seleccionar un tipo de vehículo"});
    key(Qt::Key_Down);
    key(Qt::Key_Tab);

    // NIV: 16 characters ask, 17 pass silently.
    auto *niv = control<QLineEdit>("serialNIV");
    EXPECT_EQ(focused(), niv);
    utilities->answer(false);
    fill("serialNIV", "1fdxk84a5kva1234");
    EXPECT_EQ(focused(), niv);
    EXPECT_EQ(utilities->questions.back().prompt, u"El estándar para los NIV usa 17 dígitos\r\n¿Es correcto el valor introducido?"_s);
    EXPECT_EQ(utilities->questions.back().title, u"Marbelisto: Guías de despacho"_s);
    utilities->answer(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused()->objectName(), u"anho"_s);
    EXPECT_EQ(niv->text(), u"1fdxk84a5kva1234"_s) << "the box keeps the text as typed";
    const std::size_t asked = utilities->questions.size();
    fill("serialNIV", "1FDXK84A5KVA12340");
    EXPECT_EQ(utilities->questions.size(), asked);

    // The year: 1940 to next year, both included.
    const int next = QDate::currentDate().year() + 1;
    utilities->messages.clear();
    QStringList focus;
    for (const int year : {1939, next + 1, next, 1940}) {
        fill("anho", QString::number(year));
        focus << focused()->objectName();
    }
    EXPECT_EQ(utilities->messages, QStringList(2, QStringLiteral("El año debe estar entre 1940 y %1").arg(next)));
    EXPECT_EQ(focus, QStringList({"anho", "anho", "marca", "marca"}));

    // Make, model and colour are required, stored upper-cased and shown so.
    utilities->messages.clear();
    const std::pair<const char *, const char *> required[] = {{"marca", "Por favor, introduzca una marca"},
                                                               {"modelo", "Por favor, introduzca el modelo"},
                                                               {"colorVehiculo", "Por favor, introduzca el color del vehículo"}};
    for (const auto &[name, message] : required) {
        fill(name, "   ");
        EXPECT_EQ(FocusAnd(focused(), utilities->messages.last()), FocusAnd(control(name), message));
        fill(name, " azul claro ");
        EXPECT_EQ(control<QLineEdit>(name)->text(), u"AZUL CLARO"_s);
    }
    EXPECT_EQ(utilities->messages.size(), 3);
}

TEST_F(SelectDialogTest, EnterAndTabWalkEveryFieldInOrderShowingEachHint)
{
    open();
    QStringList visited{focused()->objectName()};
    QStringList hints{hint()};
    // Enter moves on from each field; on "Cargar las facturas" and after it would press a button.
    const QStringList texts{"c01", "abc1234"};
    for (int i = 0; i < 14; ++i) {
        type(texts.value(i));
        key(i < 11 ? Qt::Key_Return : Qt::Key_Tab);
        visited << focused()->objectName();
        hints << hint();
    }
    EXPECT_EQ(visited, QStringList({"conductor", "placasVehiculo", "cbTipoVehiculo", "serialNIV", "anho", "marca", "modelo",
                                    "colorVehiculo", "vendedor", "cbZonaDespacho", "chkFiltrarZona", "cbCargarFacturas",
                                    "detalles", "cbOk", "cbCancelar"}));
    EXPECT_EQ(hints.mid(0, 9),
              QStringList({"Introduzca el codigo del conductor (F2 para ver la lista)",
                           "Introduzca las placas del vehiculo ('?' para ver la lista)",
                           "Seleccione el tipo de vehículo", "Introduzca el serial identificador del vehículo (NIV)",
                           "Introduzca el año de fabricación del vehículo (formato de cuatro dígitos)",
                           "Introduzca la marca del vehículo", "Introduzca el modelo del vehículo",
                           "Introduzca el color del vehículo",
                           "Introduzca el código del vendedor para filtrar las facturas (F2 para ver la lista). Deje en "
                           "blanco para filtrar sólo por zona"}));
    // Every control, buttons and grid included, names what it expects.
    QStringList distinct = hints;
    distinct.removeDuplicates();
    EXPECT_EQ(distinct.size(), hints.size()) << hints.join(u'|').toStdString();
    EXPECT_FALSE(distinct.contains(QString()));
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'|').toStdString();
    for (int i = 0; i < 14; ++i)
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused()->objectName(), u"conductor"_s);
}

} // namespace selecttest
