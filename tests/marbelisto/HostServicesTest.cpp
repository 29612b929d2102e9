#include "support/TestHost.h"

#include "vontarelis/host/IInputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using testsupport::TestHost;

TEST(HostServices, InputBoxReturnsTheTypedTextCappedOrNothingWhenCancelled)
{
    TestHost host;
    const auto inputBox = host.framework().InputBoxEx();
    const QString prompt = QStringLiteral("Introduzca la referencia de la factura (<serie>-<correlativo>)");
    for (const bool accept : {true, false}) {
        QString seen;
        // Acts on the box once it is up: types the text, then Enter or Escape.
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            seen = dialog->windowTitle() + u'|' + dialog->findChild<QLabel *>()->text();
            auto *line = dialog->findChild<QLineEdit *>();
            QTest::keyClicks(line, QStringLiteral("A-000042-and-more-text"));
            QTest::keyClick(line, accept ? Qt::Key_Return : Qt::Key_Escape);
        });
        EXPECT_EQ(inputBox->GetText(QStringLiteral("Agregar factura"), QStringLiteral("Referencia de la factura"), prompt,
                                    4500, false, 14, QString()),
                  accept ? QStringLiteral("A-000042-and-m") : QString());
        EXPECT_TRUE(seen.startsWith(QStringLiteral("Agregar factura|"))) << seen.toStdString();
        EXPECT_TRUE(seen.contains(QStringLiteral("Referencia de la factura"))) << seen.toStdString();
        EXPECT_TRUE(seen.contains(prompt)) << seen.toStdString();
    }
}
