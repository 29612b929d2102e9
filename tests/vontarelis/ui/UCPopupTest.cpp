#include "toolkit/Error.h"
#include "toolkit/Twips.h"
#include "vontarelis/ui/UCPopup.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using vontarelis::UCPopup;

namespace {

// A dialog holding UCPopup1, as the guide-creation form does.
struct PopupForm
{
    PopupForm()
    {
        UCPopup1 = new UCPopup(&dialog);
        UCPopup1->setObjectName(QStringLiteral("UCPopup1"));
        menu = UCPopup1->findChild<QMenu *>(QStringLiteral("mnuPopup"));
        dialog.show();
    }

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
    void choose(int index)
    {
        whenShown([index](QMenu &m) {
            QAction *item = m.actions().at(index);
            QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, m.actionGeometry(item).center());
        });
    }
    void dismiss()
    {
        whenShown([](QMenu &m) { QTest::keyClick(&m, Qt::Key_Escape); });
    }
    QStringList captions() const
    {
        QStringList texts;
        for (const QAction *item : menu->actions())
            texts << item->text();
        return texts;
    }

    QDialog dialog;
    UCPopup *UCPopup1 = nullptr;
    QMenu *menu = nullptr;
    int shown = 0;
};

QVariantList numbered(int count)
{
    QVariantList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("Placa %1").arg(i);
    return items;
}

} // namespace

TEST(UCPopupTest, ChoosingReturnsTheIndexAndKeepsTheCaptionUntilTheNextCall)
{
    PopupForm form;
    ASSERT_NE(form.menu, nullptr);
    EXPECT_EQ(form.menu->title(), QStringLiteral("Popup"));
    EXPECT_EQ(form.UCPopup1->ReturnIndex(), 0);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QString());

    form.choose(1);
    const qint16 chosen = form.UCPopup1->PopupPA(
        {QStringLiteral("Seleccionar todas"), QStringLiteral("Desmarcar todas"), QStringLiteral("Invertir seleccion")});
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(form.menu->isVisible());
    EXPECT_EQ(form.UCPopup1->ReturnIndex(), 1);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("Desmarcar todas"));
    QTest::qWait(20);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("Desmarcar todas"));

    form.dismiss();
    EXPECT_EQ(form.UCPopup1->Popup(QStringList{QStringLiteral("ABC1234"), QStringLiteral("XYZ9876")}), -1);
    EXPECT_EQ(form.UCPopup1->ReturnIndex(), -1);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QString());
    EXPECT_EQ(form.shown, 2);

    // Keyboard choice: Down twice and Enter takes the second item.
    form.whenShown([](QMenu &m) {
        QTest::keyClick(&m, Qt::Key_Down);
        QTest::keyClick(&m, Qt::Key_Down);
        QTest::keyClick(&m, Qt::Key_Return);
    });
    EXPECT_EQ(form.UCPopup1->Popup(QStringList{QStringLiteral("ABC1234"), QStringLiteral("XYZ9876")}), 1);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("XYZ9876"));
}

TEST(UCPopupTest, TheItemArrayFollowsEachCallReusingItsItems)
{
    PopupForm form;
    QAction *first = form.menu->actions().value(0);
    ASSERT_NE(first, nullptr);

    form.dismiss();
    form.UCPopup1->Popup(numbered(10));
    EXPECT_EQ(form.captions().size(), 10);
    QAction *third = form.menu->actions().at(2);

    form.dismiss();
    form.UCPopup1->Popup(numbered(3));
    EXPECT_EQ(form.captions(), (QStringList{QStringLiteral("Placa 0"), QStringLiteral("Placa 1"), QStringLiteral("Placa 2")}));
    EXPECT_EQ(form.menu->actions().at(0), first) << "item 0 is never destroyed";
    EXPECT_EQ(form.menu->actions().at(2), third) << "existing items are reused";

    form.choose(4);
    EXPECT_EQ(form.UCPopup1->Popup(numbered(5)), 4);
    EXPECT_EQ(form.captions().size(), 5);
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("Placa 4"));
}

TEST(UCPopupTest, PairsOfCaptionAndEnabledFlag)
{
    PopupForm form;
    int attempts = 0;
    form.whenShown([&](QMenu &m) {
        QAction *b = m.actions().at(1);
        EXPECT_FALSE(b->isEnabled());
        QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, m.actionGeometry(b).center());
        ++attempts;
        EXPECT_TRUE(m.isVisible()) << "a disabled item cannot be chosen";
        QTest::mouseClick(m.windowHandle(), Qt::LeftButton, {}, m.actionGeometry(m.actions().at(0)).center());
    });
    EXPECT_EQ(form.UCPopup1->PopupPAED({QStringLiteral("A"), true, QStringLiteral("B"), false}), 0);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(form.captions(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(form.UCPopup1->ReturnCaption(), QStringLiteral("A"));

    // An odd list fails before the menu is shown.
    try {
        form.UCPopup1->PopupPAED({QStringLiteral("A"), true, QStringLiteral("B")});
        FAIL() << "an odd list was shown";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrSubscript);
    }
    EXPECT_EQ(form.shown, 1);

    form.choose(2);
    EXPECT_EQ(form.UCPopup1->PopupPAED({QStringLiteral("x"), 0, QStringLiteral("y"), 0, QStringLiteral("z"), 1}), 2);
    EXPECT_EQ(form.captions().size(), 3);
}

TEST(UCPopupTest, ACallWithoutCaptionsFailsAndTheControlKeepsItsOwnSize)
{
    PopupForm form;
    try {
        form.UCPopup1->Popup(QVariantList{});
        FAIL() << "item 0 was destroyed";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), UCPopup::ErrCannotUnloadFirstItem);
    }
    EXPECT_EQ(form.shown, 0);
    EXPECT_EQ(form.menu->actions().size(), 1);

    form.UCPopup1->resize(400, 300);
    EXPECT_EQ(form.UCPopup1->width(), toolkit::Twips::toPixelsX(UCPopup::WidthTwips));
    EXPECT_EQ(form.UCPopup1->height(), toolkit::Twips::toPixelsY(UCPopup::HeightTwips));
}
