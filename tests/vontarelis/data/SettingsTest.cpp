#include "hostlibs/HostLibraries.h"
#include "toolkit/Twips.h"
#include "vontarelis/data/UserSettings.h"
#include "vontarelis/data/lmFormPlacement.h"
#include "vontarelis/data/lmGetSetting.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <gtest/gtest.h>

using namespace vontarelis;

namespace {

const QString Section = QStringLiteral("CONFIG\\FormPlacement\\frmPrueba");

class Settings : public testing::Test
{
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }

    static QString iniPath() { return hostlibs::CommonUtilities().ResolveIniPath("QRN.ini", "QRN"); }

    static void writeIni(const QString &text)
    {
        QDir().mkpath(QFileInfo(iniPath()).path());
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    static void store(int left, int top, int width, int height)
    {
        UserSettings::save("QRN", Section, "Left", QString::number(left));
        UserSettings::save("QRN", Section, "Top", QString::number(top));
        UserSettings::save("QRN", Section, "Width", QString::number(width));
        UserSettings::save("QRN", Section, "Height", QString::number(height));
    }

    static QSize screenTwips()
    {
        const QRect area = QGuiApplication::primaryScreen()->geometry();
        return {toolkit::Twips::fromPixelsX(area.width()), toolkit::Twips::fromPixelsY(area.height())};
    }

    static QRect restoredGeometry(QDialog &form)
    {
        RestoreFormPlacement(form, QString(), false);
        return {toolkit::Twips::fromPixelsX(form.x()), toolkit::Twips::fromPixelsY(form.y()),
                toolkit::Twips::fromPixelsX(form.width()), toolkit::Twips::fromPixelsY(form.height())};
    }

    static std::unique_ptr<QDialog> newForm()
    {
        auto form = std::make_unique<QDialog>();
        form->setObjectName("frmPrueba");
        form->setGeometry(30, 40, 200, 100);
        return form;
    }

private:
    static void clear()
    {
        QFile::remove(iniPath());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "QRN").clear();
    }
};

} // namespace

TEST_F(Settings, IniValueOverridesTheStoreAndAnEmptyOneFallsThrough)
{
    UserSettings::save("QRN", "Opciones", "Impresora", "almacen");
    UserSettings::save("QRN", "Opciones", "Copias", "2");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Impresora", "ninguna").toString(), "almacen");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Falta", "ninguna").toString(), "ninguna");

    // Sections and keys without regard to case; the backslashes of a section are plain text.
    writeIni("; configuración del puesto\n[opciones]\nIMPRESORA = \"muelle 3\"\ncopias=\n"
             "[CONFIG\\FormPlacement\\frmPrueba]\nleft=1500\n");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Impresora", "ninguna").toString(), "muelle 3");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Copias", "1").toString(), "2");
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Left"), 1500);
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Top"), -100);
}

TEST_F(Settings, BooleanAndNumberReadersFallBackOnBadText)
{
    UserSettings::save("QRN", "Opciones", "Marcar", "talvez");
    EXPECT_TRUE(GetIniSettingBool("QRN", "Opciones", "Marcar", true));
    EXPECT_FALSE(GetIniSettingBool("QRN", "Opciones", "Marcar", false));
    UserSettings::save("QRN", "Opciones", "Marcar", "True");
    EXPECT_TRUE(GetIniSettingBool("QRN", "Opciones", "Marcar", false));
    EXPECT_FALSE(GetIniSettingBool("QRN", "Opciones", "Ausente", false));

    UserSettings::save("QRN", Section, "Left", "izquierda");
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Left"), -100);
}

TEST_F(Settings, PlacementIsRestoredOnlyWhenEveryValueIsUsable)
{
    const auto form = newForm();
    store(-90, 0, 3000, 1500);
    EXPECT_EQ(restoredGeometry(*form), QRect(-90, 0, 3000, 1500));

    for (const QRect &unusable : {QRect(-91, 0, 3000, 1500), QRect(0, -100, 3000, 1500), QRect(0, 0, 0, 1500),
                                  QRect(0, 0, 3000, -5)}) {
        const auto fresh = newForm();
        const QRect before = fresh->geometry();
        store(unusable.x(), unusable.y(), unusable.width(), unusable.height());
        RestoreFormPlacement(*fresh, QString(), false);
        EXPECT_EQ(fresh->geometry(), before) << unusable.x() << "," << unusable.y();
    }
}

TEST_F(Settings, PlacementOffTheScreenIsToleratedThenPulledBack)
{
    const QSize screen = screenTwips();
    const auto form = newForm();

    store(screen.width() + 180 - 3000, screen.height() + 180 - 1500, 3000, 1500);
    EXPECT_EQ(restoredGeometry(*form), QRect(screen.width() + 180 - 3000, screen.height() + 180 - 1500, 3000, 1500));

    store(screen.width() + 195 - 3000, screen.height() + 195 - 1500, 3000, 1500);
    EXPECT_EQ(restoredGeometry(*form), QRect(screen.width() - 3000, screen.height() - 1500, 3000, 1500));

    // Wider than the screen: nothing to pull back to, so the window stays where it is.
    const auto wide = newForm();
    const QRect before = wide->geometry();
    store(600, 0, screen.width() + 600, 1500);
    RestoreFormPlacement(*wide, QString(), false);
    EXPECT_EQ(wide->geometry(), before);

    // Unless the caller asks for no screen checks.
    RestoreFormPlacement(*wide, QString(), true);
    EXPECT_EQ(toolkit::Twips::fromPixelsX(wide->x()), 600);
}

TEST_F(Settings, FixedBorderDialogKeepsItsSizeAndSavedPlacementRoundTrips)
{
    const auto fixed = newForm();
    fixed->setFixedSize(200, 100);
    store(1500, 1200, 6000, 4500);
    RestoreFormPlacement(*fixed, QString(), false);
    EXPECT_EQ(fixed->pos(), QPoint(toolkit::Twips::toPixelsX(1500), toolkit::Twips::toPixelsY(1200)));
    EXPECT_EQ(fixed->size(), QSize(200, 100));

    const auto form = newForm();
    form->setGeometry(60, 75, 320, 240);
    SaveFormPlacement(*form, QString());
    const auto reopened = newForm();
    RestoreFormPlacement(*reopened, QString(), false);
    EXPECT_EQ(reopened->pos(), form->pos());
    EXPECT_EQ(reopened->size(), form->size());

    // A name given by the caller takes the place of the window's own.
    SaveFormPlacement(*form, "otroNombre");
    EXPECT_EQ(ReadPlacementValue("otroNombre", "Width"), toolkit::Twips::fromPixelsX(320));
}
