#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "support/LocaleScope.h"
#include "toolkit/Currency.h"

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using hostlibs::StandardCommonUtilities;

TEST(CommonUtilities, TextHelpers)
{
    const StandardCommonUtilities utilities;
    EXPECT_EQ(utilities.FormatText("INVALIDO (%1)", {7}), "INVALIDO (7)");
    EXPECT_EQ(utilities.FormatText("%2 de %1, %2 otra vez; %10 y %3 sin valor", {"uno", 2.5}),
              "2.5 de uno, 2.5 otra vez; %10 y %3 sin valor");
    EXPECT_EQ(utilities.FormatText("%1", {QVariant::fromValue(toolkit::Currency::fromRaw(15000))}), "1.5");

    EXPECT_EQ(utilities.ExtractCode("Zona Norte (N01)"), "N01");
    EXPECT_EQ(utilities.ExtractCode("Valle (Sur) (VS2)"), "VS2");
    EXPECT_EQ(utilities.ExtractCode("Sin código"), "Sin código");

    {
        const testsupport::LocaleScope spanish(QLocale(QLocale::Spanish, QLocale::Spain));
        EXPECT_DOUBLE_EQ(utilities.ParseNumber("1.234,56"), 1234.56);
        EXPECT_DOUBLE_EQ(utilities.ParseNumber("-12,5"), -12.5);
    }
    EXPECT_DOUBLE_EQ(utilities.ParseNumber("1,234.56"), 1234.56);
    EXPECT_DOUBLE_EQ(utilities.ParseNumber("$ 2,000.00"), 2000.0);
    EXPECT_DOUBLE_EQ(utilities.ParseNumber(""), 0.0);

    auto builder = hostlibs::NewTextBuilder();
    builder->Append("12, ");
    builder->Append("15");
    EXPECT_EQ(builder->ToString(), "12, 15");
}

TEST(CommonUtilities, IniPathIsPerUserAndApplication)
{
    const StandardCommonUtilities utilities;
    const QString path = utilities.ResolveIniPath("QRN.ini", "QRN");
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << path.toStdString();
    EXPECT_TRUE(path.endsWith("/QRN/QRN.ini")) << path.toStdString();
}

TEST(CommonUtilities, EnterMovesToTheNextControlLikeTab)
{
    StandardCommonUtilities utilities;
    QDialog form;
    auto *layout = new QVBoxLayout(&form);
    auto *first = new QLineEdit(&form);
    auto *second = new QLineEdit(&form);
    layout->addWidget(first);
    layout->addWidget(second);
    form.show();
    QApplication::setActiveWindow(&form);
    first->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }));

    qint16 other = 'a';
    utilities.HandleKeyPress(other, first);
    EXPECT_EQ(other, 'a');
    EXPECT_TRUE(first->hasFocus());

    qint16 enter = 13;
    utilities.HandleKeyPress(enter, first);
    EXPECT_EQ(enter, 0);
    EXPECT_TRUE(second->hasFocus());
}

TEST(CommonUtilities, ShowFormRunsTheFormModallyAndForgetsOneThatDeletedItself)
{
    StandardCommonUtilities utilities;
    std::unique_ptr<QDialog> kept = std::make_unique<QDialog>();
    QTimer::singleShot(0, kept.get(), [dialog = kept.get()] {
        EXPECT_TRUE(dialog->isModal());
        dialog->accept();
    });
    utilities.ShowForm(kept);
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->isVisible());

    std::unique_ptr<QDialog> selfDeleting = std::make_unique<QDialog>();
    selfDeleting->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, selfDeleting.get(), [dialog = selfDeleting.get()] { dialog->close(); });
    utilities.ShowForm(selfDeleting);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(selfDeleting);
}
