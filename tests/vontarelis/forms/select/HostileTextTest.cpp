#include "SelectDialogTest.h"

#include "support/FaultyFramework.h"
#include "support/TestDatabase.h"
#include "toolkit/WindowInput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

namespace selecttest {

TEST_F(SelectDialogTest, HostileTextIsRefusedByItsFieldOrStoredVerbatimThroughParameters)
{
    testsupport::FaultyFramework faulty(host.framework());
    QTemporaryDir printer;
    host.setPrinterFolder(printer.path());
    open(&faulty);
    stopTimer();

    struct Hostile
    {
        QString text;
        // Pasted rather than typed: keys would act on the dialog (Tab, Escape).
        bool paste;
    };
    const QString controls = QStringLiteral("placa") + QChar(1) + QChar(0x1b) + QChar(0x7f) + QChar(0x200b) + QChar(u'\t')
                             + QChar(0) + QStringLiteral("final");
    const bool nulRefused = testsupport::TestDatabase::postgresRequested();
    const Hostile hostile[] = {
        {QStringLiteral("O'Brien \"el de la esquina\" \\"), false},
        {QStringLiteral("x'); DROP TABLE gdVehiculos; --"), false},
        {QString(10000, u'w'), true},
        // PostgreSQL refuses a NUL inside a text; that refusal is checked below.
        {nulRefused ? QString(controls).remove(QChar(0)) : controls, true},
        {QStringLiteral("Ωμέγα 日本語 ñandú"), false},
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
        enter(QStringLiteral("conductor"));
        EXPECT_EQ(focused()->objectName(), QStringLiteral("conductor"));
        fill(QStringLiteral("conductor"), QStringLiteral("C01"));

        // The vehicle's texts are stored as the boxes hold them, normalised.
        utilities->answer(true);
        const QString placas = enter(QStringLiteral("placasVehiculo"));
        key(Qt::Key_Home);
        key(Qt::Key_Tab);
        utilities->answer(true);
        const QString niv = enter(QStringLiteral("serialNIV"));
        // The year takes digits only.
        enter(QStringLiteral("anho"));
        EXPECT_EQ(focused()->objectName(), QStringLiteral("anho"));
        EXPECT_TRUE(utilities->messages.last().startsWith(QStringLiteral("El año debe estar entre 1940 y ")));
        fill(QStringLiteral("anho"), QStringLiteral("2019"));
        const QString marca = enter(QStringLiteral("marca"));
        const QString modelo = enter(QStringLiteral("modelo"));
        const QString color = enter(QStringLiteral("colorVehiculo"));

        // The salesperson's code is looked up too.
        enter(QStringLiteral("vendedor"));
        EXPECT_EQ(focused()->objectName(), QStringLiteral("vendedor"));
        EXPECT_EQ(utilities->messages.last(), QStringLiteral("Codigo de vendedor invalido"));
        fill(QStringLiteral("vendedor"), QString());
        utilities->answer(false);
        click(QStringLiteral("cbOk"));
        ASSERT_TRUE(utilities->errors.empty()) << utilities->errors[0].description.toStdString();
        ++guia;
        EXPECT_EQ(rows(QStringLiteral("SELECT v.placas, v.serialNIV, v.marca, v.modelo, v.color, v.anho FROM gdVontarelis g "
                                      "INNER JOIN gdVehiculos v ON v.id = g.idVehiculo WHERE g.id = ?"),
                       {guia}),
                  QList<QVariantList>({{placas, niv, marca, modelo, color, 2019}}));
        for (const QString &statement : faulty.statements())
            EXPECT_FALSE(statement.contains(h.text.left(12), Qt::CaseInsensitive)) << statement.toStdString();
    }
    if (nulRefused) {
        // A plate with a NUL reaches the engine only as a parameter; it is reported, not stored.
        testinput::click(control(QStringLiteral("placasVehiculo")));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        QGuiApplication::clipboard()->setText(controls);
        key(Qt::Key_V, Qt::ControlModifier);
        key(Qt::Key_Tab);
        ASSERT_EQ(utilities->errors.size(), std::size_t(1));
        EXPECT_TRUE(utilities->errors[0].description.contains(QStringLiteral("carácter nulo")))
            << utilities->errors[0].description.toStdString();
    }
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM gdVehiculos")), QList<QVariantList>({{1 + 5}}));
    EXPECT_EQ(rows(QStringLiteral("SELECT placas FROM gdVehiculos WHERE id = ?"), {vehiculoConocido}),
              QList<QVariantList>({{"ABC1234"}}));
}

} // namespace selecttest
