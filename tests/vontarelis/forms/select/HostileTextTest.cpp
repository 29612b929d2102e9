#include "SelectDialogTest.h"

#include "support/TestDatabase.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace selecttest {

TEST_F(SelectDialogTest, HostileTextIsRefusedByItsFieldOrStoredVerbatimThroughParameters)
{
    openToRegister();

    struct Hostile
    {
        QString text;
        // Pasted rather than typed: keys would act on the dialog (Tab, Escape).
        bool paste;
    };
    const QString controls = QStringLiteral("placa\x01\x1b\x7f\u200b\t") + QChar(0) + QStringLiteral("final");
    const bool nulRefused = testsupport::TestDatabase::postgresRequested();
    const Hostile hostile[] = {
        {"O'Brien \"el de la esquina\" \\", false},
        {"x'); DROP TABLE gdVehiculos; --", false},
        {QString(10000, u'w'), true},
        // PostgreSQL refuses a NUL inside a text; that refusal is checked below.
        {nulRefused ? QString(controls).remove(QChar(0)) : controls, true},
        {"Ωμέγα 日本語 ñandú", false},
    };
    int guia = 1;
    for (const Hostile &h : hostile) {
        SCOPED_TRACE(h.text.left(40).toStdString());
        faulty.failStatement(0);
        utilities->messages.clear();
        const auto enter = [&](const QString &field) {
            testinput::click(control(field));
            key(Qt::Key_A, Qt::ControlModifier);
            key(Qt::Key_Delete);
            if (h.paste) {
                QGuiApplication::clipboard()->setText(h.text);
                key(Qt::Key_V, Qt::ControlModifier);
            } else {
                type(h.text);
            }
            const QString held = qobject_cast<QLineEdit *>(focused())->text();
            key(Qt::Key_Tab);
            return held.trimmed().toUpper();
        };

        // The driver's code is looked up, never stored as typed.
        enter("conductor");
        EXPECT_EQ(focused()->objectName(), u"conductor"_s);
        fill("conductor", "C01");

        // The vehicle's texts are stored as the boxes hold them, normalised.
        utilities->answer(true);
        const QString placas = enter("placasVehiculo");
        key(Qt::Key_Home);
        key(Qt::Key_Tab);
        utilities->answer(true);
        const QString niv = enter("serialNIV");
        // The year takes digits only.
        enter("anho");
        EXPECT_EQ(focused()->objectName(), u"anho"_s);
        EXPECT_TRUE(utilities->messages.last().startsWith("El año debe estar entre 1940 y "));
        fill("anho", "2019");
        const QString marca = enter("marca");
        const QString modelo = enter("modelo");
        const QString color = enter("colorVehiculo");

        // The salesperson's code is looked up too.
        enter("vendedor");
        EXPECT_EQ(focused()->objectName(), u"vendedor"_s);
        EXPECT_EQ(utilities->messages.last(), u"Codigo de vendedor invalido"_s);
        fill("vendedor", QString());
        utilities->answer(false);
        click("cbOk");
        ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
        ++guia;
        EXPECT_EQ(rows("SELECT v.placas, v.serialNIV, v.marca, v.modelo, v.color, v.anho FROM gdVontarelis g "
                       "INNER JOIN gdVehiculos v ON v.id = g.idVehiculo WHERE g.id = ?",
                       {guia}),
                  QList<QVariantList>({{placas, niv, marca, modelo, color, 2019}}));
        for (const QString &statement : faulty.statements())
            EXPECT_FALSE(statement.contains(h.text.left(12), Qt::CaseInsensitive)) << statement.toStdString();
    }
    if (nulRefused) {
        // A plate with a NUL reaches the engine only as a parameter; it is reported, not stored.
        testinput::click(control("placasVehiculo"));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        QGuiApplication::clipboard()->setText(controls);
        key(Qt::Key_V, Qt::ControlModifier);
        key(Qt::Key_Tab);
        ASSERT_EQ(utilities->errors.size(), std::size_t(1));
        EXPECT_TRUE(utilities->errors[0].description.contains("carácter nulo"))
            << utilities->errors[0].description.toStdString();
    }
    EXPECT_EQ(rows("SELECT COUNT(*) FROM gdVehiculos"), QList<QVariantList>({{1 + 5}}));
    EXPECT_EQ(rows("SELECT placas FROM gdVehiculos WHERE id = ?", {vehiculoConocido}), QList<QVariantList>({{"ABC1234"}}));
}

} // namespace selecttest
