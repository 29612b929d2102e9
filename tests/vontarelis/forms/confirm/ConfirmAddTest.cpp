#include "ConfirmFixture.h"

#include <QInputDialog>
#include <QTimer>

using confirmtest::ConfirmFixture;

namespace {

const QString Pattern = QStringLiteral("Referencia inválida (use el formato <serie>-<numero>)");

} // namespace

TEST_F(ConfirmFixture, AgregarFacturaChecksEachReferenceAndPlacesTheInvoiceByDateAndNumber)
{
    const qint32 guide = fiveInvoiceGuide();
    const qint32 other = guia({factura(QStringLiteral("O"), 1, QDate(2024, 3, 1), 1, 0)});
    factura(QStringLiteral("V"), 2, QDate(2024, 3, 12), 5, 0, 1.0, 1.0, QStringLiteral("CL3"));
    factura(QStringLiteral("D"), 3, QDate(2024, 3, 16), 5, 0);
    // Same day as A-000005 with a greater number: between it and the 12th.
    factura(QStringLiteral("A01"), 123, QDate(2024, 3, 11), 30, 3.6, 1.0, 2);
    // The 14th like A-000004, with a greater number: last.
    const qint32 last = factura(QStringLiteral("E"), 7, QDate(2024, 3, 14), 100, 12, 0.0);
    open();
    enterGuide(guide);

    framework.inputBox->answer({QStringLiteral("a01-123"), QStringLiteral("ABCD-1"), QStringLiteral("A01-"),
                                QStringLiteral("A01 123"), QStringLiteral("A01-12X"), QStringLiteral("Z-404"),
                                QStringLiteral("V-2"), QStringLiteral("D-3"), QStringLiteral("O-1"),
                                QStringLiteral("A-000004"), QStringLiteral("A01-123")});
    click("cbAgregarFactura");
    EXPECT_EQ(utilities->messages,
              (QStringList{Pattern, Pattern, Pattern, Pattern, Pattern, QStringLiteral("Factura no localizada"),
                           QStringLiteral("La factura no corresponde al vendedor de la guia"),
                           QStringLiteral("La fecha de la factura es posterior a la de la guía"),
                           QStringLiteral("La factura está asignada a otra guia (%1)").arg(other),
                           QStringLiteral("La factura está asignada a otra guia (%1)").arg(guide)}));
    ASSERT_EQ(framework.inputBox->calls.size(), 11u);
    const auto &call = framework.inputBox->calls.front();
    EXPECT_EQ(QStringList({call.title, call.caption, call.prompt, call.defaultText}),
              (QStringList{QStringLiteral("Agregar factura"), QStringLiteral("Referencia de la factura"),
                           QStringLiteral("Introduzca la referencia de la factura (<serie>-<correlativo>) - deje en "
                                          "blanco para no hacer nada"),
                           QString()}));
    EXPECT_EQ(std::tuple(call.width, call.password, call.maxLength), std::tuple(4500, false, 14));

    EXPECT_EQ(references(), (QStringList{QStringLiteral("A-000002"), QStringLiteral("A-000005"),
                                         QStringLiteral("A01-000123"), QStringLiteral("A-000001"),
                                         QStringLiteral("B-000315"), QStringLiteral("A-000004")}));
    EXPECT_EQ(row(3).mid(1, 7), (QStringList{QStringLiteral("11-03-2024"), QStringLiteral("Comercial Uno, C.A."),
                                             QStringLiteral("33.600"), QStringLiteral("þ"), QStringLiteral("5"),
                                             QStringLiteral("30"), QStringLiteral("3.6")}))
        << "an added row shows its value with the price mask";
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("1,153.600"), QStringLiteral("82.5"), QStringLiteral("10")}));

    // The same invoice again is refused.
    utilities->messages.clear();
    framework.inputBox->answer({QStringLiteral("A01-123"), QStringLiteral("E-7")});
    click("cbAgregarFactura");
    EXPECT_EQ(utilities->messages, QStringList{QStringLiteral("La factura ya está en la lista")});
    EXPECT_EQ(row(7), (QStringList{QStringLiteral("E-000007"), QStringLiteral("14-03-2024"),
                                   QStringLiteral("Comercial Uno, C.A."), QStringLiteral("28.000"), QStringLiteral("þ"),
                                   QStringLiteral("2.5"), QStringLiteral("25"), QStringLiteral("3"),
                                   QString::number(last)}));
    EXPECT_EQ(totals(), (QStringList{QStringLiteral("1,181.600"), QStringLiteral("85.0"), QStringLiteral("11")}));

    // An empty answer at once changes nothing and says nothing.
    utilities->messages.clear();
    const QStringList shown = screen();
    framework.inputBox->answer(QString());
    click("cbAgregarFactura");
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(utilities->messages.isEmpty());
    EXPECT_EQ(framework.inputBox->pendingAnswers(), 0u);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, HostileReferencesAreRefusedByThePatternWithoutAnyStatement)
{
    const qint32 guide = fiveInvoiceGuide();
    open();
    enterGuide(guide);
    const QStringList hostile{QStringLiteral("A-1' OR '1'='1"), QStringLiteral("-"), QStringLiteral("A-"),
                              QStringLiteral("A-99999999999999"), QString(14, u' '), QStringLiteral("A-1\n"),
                              QStringLiteral("A-1\r\n"), QStringLiteral("\tA-1"), QStringLiteral("A-1\u0000"),
                              QStringLiteral("A\u0007-1"), QStringLiteral("A-\u0661\u0662"), QStringLiteral("A-1;--"),
                              QStringLiteral("A-+1"), QStringLiteral("A-1 ")};
    const QStringList shown = screen();
    framework.failStatement(0);
    framework.inputBox->answer(hostile);
    framework.inputBox->answer(QString());
    click("cbAgregarFactura");

    EXPECT_EQ(utilities->messages, QStringList(hostile.size(), Pattern));
    EXPECT_TRUE(framework.statements().isEmpty()) << framework.statements().join(u'\n').toStdString();
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(links(guide).size(), 5);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, TheHostsInputBoxTakesTheTypedReference)
{
    const qint32 guide = fiveInvoiceGuide();
    factura(QStringLiteral("A01"), 123, QDate(2024, 3, 13), 30, 3.6);
    open(host.framework());
    enterGuide(guide);

    // Acts once the box is up: types the reference and Enter.
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        auto *line = box->findChild<QLineEdit *>();
        seen = QStringLiteral("%1|%2|%3").arg(box->windowTitle()).arg(line->maxLength()).arg(int(line->echoMode()));
        QTest::keyClicks(line, QStringLiteral("A01-123"));
        QTest::keyClick(line, Qt::Key_Return);
    });
    poll.start(10);
    click("cbAgregarFactura");
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(seen, QStringLiteral("Agregar factura|14|%1").arg(int(QLineEdit::Normal)));
    EXPECT_EQ(grid().TextMatrix(5, 0), QStringLiteral("A01-000123"));
    EXPECT_EQ(totals()[2], QStringLiteral("10"));
}
