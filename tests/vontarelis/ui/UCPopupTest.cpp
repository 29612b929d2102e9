#include "toolkit/Raised.h"
#include "vontarelis/ui/UCPopup.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using testerrors::raised;
using vontarelis::UCPopup;

namespace {

// A dialog holding UCPopup1, as the guide-creation form does.
struct PopupForm
{
    PopupForm() { dialog.show(); }

    // The next time the menu opens, `user` acts on it as a person would.
    void whenShown(std::function<void(QMenu &)> user)
    {
        QObject::connect(
            menu, &QMenu::aboutToShow, menu,
            [this, user] {
                ++shown;
                QTimer::singleShot(0, menu, [this, user] {
                    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
                    user(*menu);
                });
            },
            Qt::SingleShotConnection);
    }
    static void click(QMenu &m, int index)
    {
        QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, m.actionGeometry(m.actions().at(index)).center());
    }
    void choose(int index) { whenShown([index](QMenu &m) { click(m, index); }); }
    void dismiss() { whenShown([](QMenu &m) { QTest::keyClick(&m, Qt::Key_Escape); }); }
    QStringList captions() const
    {
        QStringList texts;
        for (const QAction *item : menu->actions())
            texts << item->text();
        return texts;
    }
    std::pair<qint16, QString> choice() const { return {UCPopup1->ReturnIndex(), UCPopup1->ReturnCaption()}; }

    QDialog dialog;
    UCPopup *UCPopup1 = new UCPopup(&dialog);
    QMenu *menu = UCPopup1->findChild<QMenu *>();
    int shown = 0;
};

QStringList numbered(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("Placa %1").arg(i);
    return items;
}

} // namespace

TEST(UCPopupTest, EachCallShowsExactlyItsItemsAndReturnsTheChoiceOrMinusOne)
{
    PopupForm form;
    ASSERT_NE(form.menu, nullptr);
    EXPECT_EQ(form.choice(), std::pair(qint16(0), QString()));
    QAction *first = form.menu->actions().value(0);

    form.choose(1);
    EXPECT_EQ(form.UCPopup1->PopupPA({QStringLiteral("Seleccionar todas"), QStringLiteral("Desmarcar todas"),
                                      QStringLiteral("Invertir seleccion")}),
              1);
    EXPECT_FALSE(form.menu->isVisible());
    QTest::qWait(20);
    EXPECT_EQ(form.choice(), std::pair(qint16(1), QString("Desmarcar todas"))) << "kept until the next call";

    form.dismiss();
    EXPECT_EQ(form.UCPopup1->Popup(numbered(10)), -1);
    EXPECT_EQ(form.choice(), std::pair(qint16(-1), QString()));
    EXPECT_EQ(form.captions().size(), 10);
    QAction *third = form.menu->actions().at(2);
    form.dismiss();
    form.UCPopup1->Popup(numbered(3));
    EXPECT_EQ(form.captions(), QStringList({"Placa 0", "Placa 1", "Placa 2"}));
    EXPECT_EQ(std::pair(form.menu->actions().at(0), form.menu->actions().at(2)), std::pair(first, third))
        << "item 0 is never destroyed and existing items are reused";
    form.choose(4);
    EXPECT_EQ(form.UCPopup1->Popup(numbered(5)), 4);
    EXPECT_EQ(form.captions().size(), 5);
    EXPECT_EQ(std::pair(form.UCPopup1->ReturnCaption(), form.shown), std::pair(QStringLiteral("Placa 4"), 4));
}

TEST(UCPopupTest, PairsOfCaptionAndEnabledFlagAndTheCallsThatFail)
{
    PopupForm form;
    form.whenShown([&](QMenu &m) {
        EXPECT_FALSE(m.actions().at(1)->isEnabled());
        PopupForm::click(m, 1);
        EXPECT_TRUE(m.isVisible()) << "a disabled item cannot be chosen";
        PopupForm::click(m, 0);
    });
    EXPECT_EQ(form.UCPopup1->PopupPAED({QStringLiteral("A"), true, QStringLiteral("B"), false}), 0);
    EXPECT_EQ(form.captions(), QStringList({"A", "B"}));
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("A"));
    form.choose(2);
    EXPECT_EQ(form.UCPopup1->PopupPAED({QStringLiteral("x"), 0, QStringLiteral("y"), 0, QStringLiteral("z"), 1}), 2);
    EXPECT_EQ(form.captions().size(), 3);
    form.choose(1);
    EXPECT_EQ(form.UCPopup1->Popup(QStringList{QStringLiteral("x"), QStringLiteral("y")}), 1)
        << "plain captions enable again what the pairs disabled";

    // An odd list, or one without captions, fails before the menu is shown.
    EXPECT_EQ(raised([&] { form.UCPopup1->PopupPAED({QStringLiteral("A"), true, QStringLiteral("B")}); }).number(),
              toolkit::ErrSubscript);
    EXPECT_EQ(raised([&] { form.UCPopup1->Popup(QVariantList{}); }).number(), UCPopup::ErrCannotUnloadFirstItem);
    EXPECT_EQ(std::pair(form.shown, form.menu->actions().size()), std::pair(3, qsizetype(1))) << "item 0 stays";
}
