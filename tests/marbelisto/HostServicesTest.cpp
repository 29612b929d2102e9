#include "support/TestHost.h"

#include "marbelisto/host/Tema.h"
#include "vontarelis/host/IInputBox.h"
#include "vontarelis/host/ITheme.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using testsupport::TestHost;

namespace {

// Acts on the input box once it is up: types the text and presses Enter, or Escape.
void answerInputBox(const QString &typed, bool accept, QString &seenTitle, QString &seenLabel)
{
    QTimer::singleShot(0, [=, &seenTitle, &seenLabel] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seenTitle = dialog->windowTitle();
        seenLabel = dialog->findChild<QLabel *>()->text();
        auto *line = dialog->findChild<QLineEdit *>();
        line->selectAll();
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
}

} // namespace

TEST(HostServices, InputBoxReturnsTheTypedTextCappedOrNothingWhenCancelled)
{
    TestHost host;
    const auto inputBox = host.framework().InputBoxEx();
    QString title;
    QString label;
    answerInputBox(QStringLiteral("A-000042-and-more-text"), true, title, label);
    const QString prompt = QStringLiteral("Introduzca la referencia de la factura (<serie>-<correlativo>)");
    EXPECT_EQ(inputBox->GetText(QStringLiteral("Agregar factura"), QStringLiteral("Referencia de la factura"), prompt,
                                4500, false, 14, QString()),
              QStringLiteral("A-000042-and-m"));
    EXPECT_EQ(title, QStringLiteral("Agregar factura"));
    EXPECT_TRUE(label.contains(QStringLiteral("Referencia de la factura")));
    EXPECT_TRUE(label.contains(prompt));

    answerInputBox(QStringLiteral("B-1"), false, title, label);
    EXPECT_EQ(inputBox->GetText(QStringLiteral("t"), QString(), QStringLiteral("p"), 4500, false, 14,
                                QStringLiteral("x")),
              QString());
}

TEST(HostServices, ThemeGivesEveryFormTheSamePaletteAndSize)
{
    TestHost host;
    const auto tema = host.framework().TemaUI();
    ASSERT_EQ(tema, host.framework().TemaUI());
    QDialog first;
    QDialog second;
    QFont large = second.font();
    large.setPointSize(20);
    second.setFont(large);
    tema->configurarFormulario(&first);
    tema->configurarFormulario(&second);
    tema->configurarFormulario(nullptr);
    const QColor highlight = marbelisto::Tema().palette().color(QPalette::Highlight);
    EXPECT_NE(highlight, QApplication::palette().color(QPalette::Highlight));
    EXPECT_EQ(first.palette().color(QPalette::Highlight), highlight);
    EXPECT_EQ(second.palette().color(QPalette::Window), first.palette().color(QPalette::Window));
    EXPECT_EQ(first.font().pointSize(), marbelisto::Tema::PointSize);
    EXPECT_EQ(second.font().pointSize(), marbelisto::Tema::PointSize);
}
