#include "ConfirmFixture.h"

#include <QInputDialog>
#include <QTimer>

using namespace Qt::StringLiterals;

using confirmtest::ConfirmFixture;

namespace {

const QString Pattern = QStringLiteral("Referencia inválida (use el formato <serie>-<numero>)");
const QString Prompt =
    QStringLiteral("Introduzca la referencia de la factura (<serie>-<correlativo>) - deje en blanco para no hacer nada");

} // namespace

TEST_F(ConfirmFixture, AgregarFacturaChecksEachReferenceAndPlacesTheInvoiceByDateAndNumber)
{
    const qint32 guide = fiveInvoiceGuide();
    const qint32 other = guia({factura("O", 1, QDate(2024, 3, 1), 1, 0)});
    factura("V", 2, QDate(2024, 3, 12), 5, 0, 1.0, 1.0, "CL3");
    factura("D", 3, QDate(2024, 3, 16), 5, 0);
    // Same day as A-000005 with a greater number: between it and the 12th.
    factura("A01", 123, QDate(2024, 3, 11), 30, 3.6, 1.0, 2);
    // The guide's own day, after its midnight: last.
    const qint32 last = factura("E", 7, QDate(2024, 3, 15), 100, 12, 0.0);
    open();
    enterGuide(guide);

    framework.inputBox->answer(
        {"a01-123", "ABCD-1", "A01-", "A01 123", "A01-12X", "Z-404", "V-2", "D-3", "O-1", "A-000004", "A01-123"});
    click("cbAgregarFactura");
    EXPECT_EQ(utilities->messages, QStringList({Pattern, Pattern, Pattern, Pattern, Pattern, "Factura no localizada",
                                                "La factura no corresponde al vendedor de la guia",
                                                "La fecha de la factura es posterior a la de la guía",
                                                QStringLiteral("La factura está asignada a otra guia (%1)").arg(other),
                                                QStringLiteral("La factura está asignada a otra guia (%1)").arg(guide)}));
    ASSERT_EQ(framework.inputBox->calls.size(), 11u);
    const auto &call = framework.inputBox->calls.front();
    EXPECT_EQ(QStringList({call.title, call.caption, call.prompt, call.defaultText}),
              QStringList({"Agregar factura", "Referencia de la factura", Prompt, QString()}));
    EXPECT_EQ(std::tuple(call.width, call.password, call.maxLength), std::tuple(4500, false, 14));

    EXPECT_EQ(references(), QStringList({"A-000002", "A-000005", "A01-000123", "A-000001", "B-000315", "A-000004"}));
    EXPECT_EQ(row(3).mid(1, 7), QStringList({"11-03-2024", "Comercial Uno, C.A.", "33.600", "þ", "5", "30", "3.6"}))
        << "an added row shows its value with the price mask";
    EXPECT_EQ(totals(), QStringList({"1,153.600", "82.5", "10"}));

    // The same invoice again is refused.
    utilities->messages.clear();
    framework.inputBox->answer({"A01-123", "E-7"});
    click("cbAgregarFactura");
    EXPECT_EQ(utilities->messages, QStringList{"La factura ya está en la lista"});
    EXPECT_EQ(row(7), QStringList({"E-000007", "15-03-2024", "Comercial Uno, C.A.", "28.000", "þ", "2.5", "25", "3",
                                   QString::number(last)}));
    EXPECT_EQ(totals(), QStringList({"1,181.600", "85.0", "11"}));

    // An empty answer at once changes nothing and says nothing.
    utilities->messages.clear();
    const QStringList shown = screen();
    framework.inputBox->answer(QString());
    click("cbAgregarFactura");
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(utilities->messages.isEmpty());

    // A guide without salesperson takes the invoices of any.
    enterGuide(guia({}, false, ""));
    utilities->messages.clear();
    framework.inputBox->answer("V-2");
    click("cbAgregarFactura");
    EXPECT_EQ(references(), QStringList{"V-000002"});
    EXPECT_TRUE(utilities->messages.isEmpty());
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, HostileReferencesAreRefusedWithoutAnyStatement)
{
    const qint32 guide = fiveInvoiceGuide();
    open();
    enterGuide(guide);
    const QStringList hostile{"A-1' OR '1'='1", "-", "A-", QString(14, u' '), "A-1\n", "A-1\r\n", "\tA-1",
                              QStringLiteral("A-1\u0000"), "A\a-1", "A-\u0661\u0662", "A-1;--", "A-+1", "A-1 "};
    const QStringList shown = screen();
    framework.failStatement(0);
    framework.inputBox->answer(hostile);
    // Well formed, but no invoice number is that large.
    framework.inputBox->answer({"A-99999999999999", QString()});
    click("cbAgregarFactura");

    EXPECT_EQ(utilities->messages, QStringList(hostile.size(), Pattern) << "Factura no localizada");
    EXPECT_TRUE(framework.statements().isEmpty()) << framework.statements().join(u'\n').toStdString();
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(links(guide).size(), 5);
    EXPECT_TRUE(utilities->errors.empty());
}

TEST_F(ConfirmFixture, TheHostsInputBoxTakesTheTypedReferenceOrNothingWhenCancelled)
{
    const qint32 guide = fiveInvoiceGuide();
    factura("A01", 123, QDate(2024, 3, 13), 30, 3.6);
    open(host.framework());
    enterGuide(guide);
    const QStringList before = screen();

    for (const bool accept : {false, true}) {
        // Acts once the box is up: types the reference, then Escape or Enter.
        QString seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            poll.stop();
            auto *line = box->findChild<QLineEdit *>();
            const QString label = box->findChild<QLabel *>()->text();
            EXPECT_TRUE(label.contains("Referencia de la factura") && label.contains(Prompt)) << label.toStdString();
            seen = QStringLiteral("%1|%2|%3").arg(box->windowTitle()).arg(line->maxLength()).arg(int(line->echoMode()));
            QTest::keyClicks(line, "A01-123");
            QTest::keyClick(line, accept ? Qt::Key_Return : Qt::Key_Escape);
        });
        poll.start(10);
        click("cbAgregarFactura");
        EXPECT_FALSE(poll.isActive());
        EXPECT_EQ(seen, QStringLiteral("Agregar factura|14|%1").arg(int(QLineEdit::Normal)));
        EXPECT_TRUE(accept || screen() == before) << "cancelling the box changes nothing";
    }
    EXPECT_EQ(grid().TextMatrix(5, 0), u"A01-000123"_s);
    EXPECT_EQ(totals()[2], u"10"_s);
    EXPECT_TRUE(utilities->messages.isEmpty());
}
