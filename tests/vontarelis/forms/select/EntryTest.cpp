#include "SelectDialogTest.h"

#include "toolkit/CodeLookupBox.h"
#include "toolkit/DropDownList.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>

namespace selecttest {

namespace {

using toolkit::CodeLookupBox;
using FocusAnd = std::pair<QWidget *, QString>;
using FocusIndex = std::pair<QWidget *, int>;

std::pair<QString, QString> shown(const CodeLookupBox *box)
{
    return {box->text(), box->tag()};
}

} // namespace

TEST_F(SelectDialogTest, DriverAndSalespersonStoreTrimmedUpperCasedCodesAndShowNames)
{
    open();
    auto *conductor = control<CodeLookupBox>(QStringLiteral("conductor"));
    auto *vendedor = control<CodeLookupBox>(QStringLiteral("vendedor"));
    EXPECT_EQ(hint(), QStringLiteral("Introduzca el codigo del conductor"));
    key(Qt::Key_Tab);
    type(QStringLiteral("zz9"));
    key(Qt::Key_Return);
    EXPECT_EQ(utilities->messages, QStringList({"Por favor suministre un codigo válido", "Codigo inválido"}));
    EXPECT_EQ(focused(), conductor);
    EXPECT_EQ(conductor->tag(), QString());

    fill(QStringLiteral("conductor"), QStringLiteral(" ab12 "));
    EXPECT_EQ(shown(conductor), std::pair(QStringLiteral("Pedro Páez"), QStringLiteral("AB12")));
    EXPECT_EQ(focused()->objectName(), QStringLiteral("placasVehiculo"));
    // The plate box, left empty, holds the click back.
    click(QStringLiteral("conductor"));
    EXPECT_EQ(std::pair(focused()->objectName(), utilities->messages.last()),
              std::pair(QStringLiteral("placasVehiculo"), QStringLiteral("No puede dejar la placa en blanco")));
    fill(QStringLiteral("placasVehiculo"), QStringLiteral("ABC1234"));
    click(QStringLiteral("conductor"));
    EXPECT_EQ(conductor->text(), QStringLiteral("AB12")) << "entering shows the code for editing";
    fill(QStringLiteral("conductor"), QStringLiteral("c01"));
    EXPECT_EQ(shown(conductor), std::pair(QStringLiteral("Carlos Ruiz"), QStringLiteral("C01")));

    utilities->messages.clear();
    fill(QStringLiteral("vendedor"), QStringLiteral(" v02 "));
    EXPECT_EQ(shown(vendedor), std::pair(QStringLiteral("Luis Gómez"), QStringLiteral("V02")));
    fill(QStringLiteral("vendedor"), QStringLiteral("nadie"));
    EXPECT_EQ(utilities->messages, QStringList{"Codigo de vendedor invalido"});
    EXPECT_EQ(focused(), vendedor);
    EXPECT_EQ(shown(vendedor), std::pair(QStringLiteral("NADIE"), QStringLiteral("V02"))) << "the valid code stays";
    load();
    EXPECT_EQ(column(0), QStringList{QString()}) << "nothing is reached while the box is held";
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_Tab);
    EXPECT_EQ(shown(vendedor), std::pair(QString(), QString())) << "empty clears the filter";
    load();
    EXPECT_EQ(column(0).size(), 4);
}

TEST_F(SelectDialogTest, ThePlateFindsOrRegistersAVehicleAndEveryVehicleFieldChecksItsValue)
{
    host.addVehiculo(furgoneta, "XYZ9876");
    host.addVehiculo(furgoneta, "MNO5555");
    open();
    fill(QStringLiteral("conductor"), QStringLiteral("C01"));
    auto *placas = control<QLineEdit>(QStringLiteral("placasVehiculo"));
    EXPECT_EQ(hint(), QStringLiteral("Introduzca las placas del vehiculo ('?' para ver la lista)"));
    for (const char *refused : {" ab12 ", "AB1234", ""}) {
        fill(QStringLiteral("placasVehiculo"), QString::fromLatin1(refused));
        EXPECT_EQ(focused(), placas) << refused;
    }
    EXPECT_EQ(utilities->messages, QStringList({"La placa debe tener al menos 7 caracteres",
                                                "La placa debe tener al menos 7 caracteres",
                                                "No puede dejar la placa en blanco"}));
    type(QStringLiteral("AB"));
    whenMenuShown(2);
    type(QStringLiteral("?"));
    EXPECT_EQ(placas->text(), QStringLiteral("XYZ9876"));
    whenMenuShown(-1);
    type(QStringLiteral("?"));
    EXPECT_EQ(placas->text(), QStringLiteral("XYZ9876")) << "the '?' itself is never typed";
    EXPECT_EQ(menusShown(), 2);

    // A known plate shows its vehicle.
    fill(QStringLiteral("placasVehiculo"), QStringLiteral(" abc1234 "));
    auto *tipo = control<toolkit::DropDownList>(QStringLiteral("cbTipoVehiculo"));
    QStringList fields;
    for (const char *name : {"placasVehiculo", "serialNIV", "anho", "marca", "modelo", "colorVehiculo"})
        fields << control<QLineEdit>(QString::fromLatin1(name))->text();
    EXPECT_EQ(fields, QStringList({"ABC1234", "1FDXK84A5KVA12345", "2015", "FORD", "CARGO", "ROJO"}));
    EXPECT_EQ(tipo->Text(), QStringLiteral("Camión"));
    EXPECT_EQ(std::pair(focused(), hint()), FocusAnd(tipo, QStringLiteral("Seleccione el tipo de vehículo")));

    // A plate that is not registered: no keeps the user in the box, yes starts a new vehicle.
    utilities->messages.clear();
    utilities->answer(false);
    fill(QStringLiteral("placasVehiculo"), QStringLiteral("nue1234"));
    ASSERT_EQ(utilities->questions.size(), 1u);
    EXPECT_EQ(utilities->questions[0].prompt,
              QStringLiteral("No tenemos un vehículo con esas placas\r\n¿Desea registrar un nuevo vehiculo?"));
    EXPECT_EQ(std::pair(utilities->questions[0].defaultYes, utilities->questions[0].title),
              std::pair(true, QStringLiteral("Marbelisto: Guias de despacho")));
    EXPECT_EQ(std::pair(focused(), placas->text()), FocusAnd(placas, QStringLiteral("NUE1234")));
    utilities->answer(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(std::pair(focused(), tipo->ListIndex()), FocusIndex(tipo, -1));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("marca"))->text(), QStringLiteral("FORD")) << "the other fields stay";
    key(Qt::Key_Tab);
    EXPECT_EQ(utilities->messages, QStringList{"Debe seleccionar un tipo de vehículo"});
    key(Qt::Key_Down);
    key(Qt::Key_Tab);

    // NIV: 16 characters ask, 17 pass silently.
    auto *niv = control<QLineEdit>(QStringLiteral("serialNIV"));
    EXPECT_EQ(std::pair(focused(), hint()),
              FocusAnd(niv, QStringLiteral("Introduzca el serial identificador del vehículo (NIV)")));
    utilities->answer(false);
    fill(QStringLiteral("serialNIV"), QStringLiteral("1fdxk84a5kva1234"));
    EXPECT_EQ(focused(), niv);
    EXPECT_EQ(utilities->questions.back().prompt,
              QStringLiteral("El estándar para los NIV usa 17 dígitos\r\n¿Es correcto el valor introducido?"));
    EXPECT_EQ(utilities->questions.back().title, QStringLiteral("Marbelisto: Guías de despacho"));
    utilities->answer(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("anho"));
    EXPECT_EQ(niv->text(), QStringLiteral("1fdxk84a5kva1234")) << "the box keeps the text as typed";
    const std::size_t asked = utilities->questions.size();
    fill(QStringLiteral("serialNIV"), QStringLiteral("1FDXK84A5KVA12340"));
    EXPECT_EQ(utilities->questions.size(), asked);

    // The year: 1940 to next year, both included.
    const int next = QDate::currentDate().year() + 1;
    const QString yearMessage = QStringLiteral("El año debe estar entre 1940 y %1").arg(next);
    utilities->messages.clear();
    for (const int year : {1939, next + 1}) {
        fill(QStringLiteral("anho"), QString::number(year));
        EXPECT_EQ(focused()->objectName(), QStringLiteral("anho")) << year;
    }
    EXPECT_EQ(utilities->messages, QStringList({yearMessage, yearMessage}));
    for (const int year : {next, 1940}) {
        fill(QStringLiteral("anho"), QString::number(year));
        EXPECT_EQ(focused()->objectName(), QStringLiteral("marca")) << year;
    }

    // Make, model and colour are required, stored upper-cased and shown so.
    utilities->messages.clear();
    const std::pair<const char *, const char *> texts[] = {{"marca", "Por favor, introduzca una marca"},
                                                            {"modelo", "Por favor, introduzca el modelo"},
                                                            {"colorVehiculo", "Por favor, introduzca el color del vehículo"}};
    for (const auto &[name, message] : texts) {
        fill(QString::fromLatin1(name), QStringLiteral("   "));
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(utilities->messages.last(), QString::fromUtf8(message));
        fill(QString::fromLatin1(name), QStringLiteral(" azul claro "));
        EXPECT_EQ(control<QLineEdit>(QString::fromLatin1(name))->text(), QStringLiteral("AZUL CLARO"));
    }
    EXPECT_EQ(utilities->messages.size(), 3);
}

TEST_F(SelectDialogTest, EnterAndTabWalkEveryFieldInOrderShowingEachHint)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Seleccion de las facturas"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("lblCobradorConductor"))->text(), QStringLiteral("Conductor:"));
    QStringList visited{focused()->objectName()};
    QStringList hints{hint()};
    const QStringList typed{"c01", "abc1234", "", "", "", "", "", "", "", "", "", "", "", ""};
    for (const QString &text : typed) {
        type(text);
        key(Qt::Key_Return);
        visited << focused()->objectName();
        hints << hint();
    }
    EXPECT_EQ(visited, QStringList({"conductor", "placasVehiculo", "cbTipoVehiculo", "serialNIV", "anho", "marca", "modelo",
                                    "colorVehiculo", "vendedor", "cbZonaDespacho", "chkFiltrarZona", "cbCargarFacturas",
                                    "detalles", "cbOk", "cbCancelar"}));
    EXPECT_EQ(hints.mid(0, 9),
              QStringList({"Introduzca el codigo del conductor", "Introduzca las placas del vehiculo ('?' para ver la lista)",
                           "Seleccione el tipo de vehículo", "Introduzca el serial identificador del vehículo (NIV)",
                           "Introduzca el año de fabricación del vehículo (formato de cuatro dígitos)",
                           "Introduzca la marca del vehículo", "Introduzca el modelo del vehículo",
                           "Introduzca el color del vehículo",
                           "Introduzca el código del vendedor para filtrar las facturas. Deje en blanco para filtrar "
                           "sólo por zona"}));
    EXPECT_EQ(hints.at(12), QStringLiteral("Haga clic (o pulse la barra espaciadora) en una fila para cambiar su estado de "
                                           "selección. Botón derecho para cambios \"masivos\""));
    EXPECT_TRUE(utilities->messages.isEmpty()) << utilities->messages.join(u'|').toStdString();
    for (int i = 0; i < 14; ++i)
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("conductor"));
}

} // namespace selecttest
