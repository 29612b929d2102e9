#include "hostlibs/HostLibraries.h"
#include "support/FileModes.h"
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

#include <limits>
#include <optional>

using namespace vontarelis;

namespace {

class Settings : public testing::Test
{
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }

    static QString iniPath() { return hostlibs::CommonUtilities().ResolveIniPath("QRN.ini", "QRN"); }
    static void clear()
    {
        QFile::remove(iniPath());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "QRN").clear();
    }
    static void save(const QString &section, const QString &key, const QString &value)
    {
        UserSettings::save("QRN", section, key, value);
    }
    // A placement in twips, stored as SaveFormPlacement stores it.
    static void store(const QRect &twips)
    {
        const QString section = QStringLiteral("CONFIG\\FormPlacement\\frmPrueba");
        for (const auto &[key, value] : {std::pair("Left", twips.x()), std::pair("Top", twips.y()),
                                         std::pair("Width", twips.width()), std::pair("Height", twips.height())})
            save(section, key, QString::number(value));
    }
    static std::unique_ptr<QDialog> newForm()
    {
        auto form = std::make_unique<QDialog>();
        form->setObjectName("frmPrueba");
        form->setGeometry(30, 40, 200, 100);
        return form;
    }
    static QRect twipsOf(const QWidget &form)
    {
        return {toolkit::Twips::fromPixelsX(form.x()), toolkit::Twips::fromPixelsY(form.y()),
                toolkit::Twips::fromPixelsX(form.width()), toolkit::Twips::fromPixelsY(form.height())};
    }
};

} // namespace

TEST_F(Settings, TheIniOverridesTheStoreAnEmptyIniValueFallsThroughAndBadTextGivesTheDefault)
{
    const testsupport::UmaskScope permissive(0);
    save("Opciones", "Impresora", "almacen");
    save("Opciones", "Copias", "2");
    // The store is its user's alone, whatever the umask.
    EXPECT_EQ(testsupport::fileMode(QSettings(QSettings::NativeFormat, QSettings::UserScope, "QRN").fileName()), 0600);
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Impresora", "ninguna").toString(), "almacen");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Falta", "ninguna").toString(), "ninguna");

    // Sections and keys without regard to case; the backslashes of a section are plain text.
    QDir().mkpath(QFileInfo(iniPath()).path());
    QFile ini(iniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("; configuración del puesto\n[opciones]\nIMPRESORA = \"muelle 3\"\ncopias=\n"
              "[CONFIG\\FormPlacement\\frmPrueba]\nleft=1500\n");
    ini.close();
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Impresora", "ninguna").toString(), "muelle 3");
    EXPECT_EQ(GetIniSetting("QRN", "Opciones", "Copias", "1").toString(), "2");
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Left"), 1500);
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Top"), -100);
    QFile::remove(iniPath());

    save("Opciones", "Marcar", "talvez");
    EXPECT_TRUE(GetIniSettingBool("QRN", "Opciones", "Marcar", true));
    EXPECT_FALSE(GetIniSettingBool("QRN", "Opciones", "Marcar", false));
    save("Opciones", "Marcar", "True");
    EXPECT_TRUE(GetIniSettingBool("QRN", "Opciones", "Marcar", false));
    EXPECT_FALSE(GetIniSettingBool("QRN", "Opciones", "Ausente", false));
    save("CONFIG\\FormPlacement\\frmPrueba", "Left", "izquierda");
    EXPECT_EQ(ReadPlacementValue("frmPrueba", "Left"), -100);
}

TEST_F(Settings, APlacementIsRestoredOnlyWhenUsableAndOffTheScreenOnlyWithinTheTolerance)
{
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    const int right = toolkit::Twips::fromPixelsX(area.width());
    const int bottom = toolkit::Twips::fromPixelsY(area.height());
    // What is stored, and where the window ends up; nothing when it must stay where it was.
    const std::pair<QRect, std::optional<QRect>> cases[] = {
        {QRect(-90, 0, 3000, 1500), QRect(-90, 0, 3000, 1500)},
        {QRect(-91, 0, 3000, 1500), std::nullopt},
        {QRect(0, -100, 3000, 1500), std::nullopt},
        {QRect(0, 0, 0, 1500), std::nullopt},
        {QRect(0, 0, 3000, -5), std::nullopt},
        // 180 twips off the screen are tolerated; beyond them the window is pulled back.
        {QRect(right + 180 - 3000, bottom + 180 - 1500, 3000, 1500),
         QRect(right + 180 - 3000, bottom + 180 - 1500, 3000, 1500)},
        {QRect(right + 195 - 3000, bottom + 195 - 1500, 3000, 1500), QRect(right - 3000, bottom - 1500, 3000, 1500)},
        // Wider than the screen: nothing to pull back to.
        {QRect(600, 0, right + 600, 1500), std::nullopt},
    };
    for (const auto &[stored, expected] : cases) {
        const auto form = newForm();
        const QRect before = twipsOf(*form);
        store(stored);
        RestoreFormPlacement(*form, QString(), false);
        EXPECT_EQ(twipsOf(*form), expected.value_or(before)) << stored.x() << "," << stored.y();
    }
    const auto wide = newForm();
    RestoreFormPlacement(*wide, QString(), true);
    EXPECT_EQ(twipsOf(*wide).x(), 600) << "unless the caller asks for no screen checks";

    // Values near the top of a Long, whose sums do not fit one: no screen reaches that far, so
    // the window stays where its design put it.
    const QString far = QString::number(std::numeric_limits<qint32>::max() - 1000);
    for (const QStringList &stored : {QStringList{far, "0", "3000", "1500"}, QStringList{"0", far, "3000", "1500"},
                                      QStringList{"600", "0", far, "1500"}, QStringList{"0", "600", "3000", far}}) {
        for (int i = 0; i < 4; ++i)
            save("CONFIG\\FormPlacement\\frmPrueba", QStringList{"Left", "Top", "Width", "Height"}[i], stored[i]);
        const auto form = newForm();
        RestoreFormPlacement(*form, QString(), false);
        EXPECT_EQ(twipsOf(*form), twipsOf(*newForm())) << stored.join(u',').toStdString();
    }
}

TEST_F(Settings, AFixedBorderDialogKeepsItsSizeAndASavedPlacementRoundTrips)
{
    // Its own width, not the stored one, is what has to fit on the screen.
    const auto fixed = newForm();
    fixed->setFixedSize(200, 100);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = toolkit::Twips::fromPixelsX(screen.width()) - twipsOf(*fixed).width();
    store(QRect(left, 1200, 6000, 4500));
    RestoreFormPlacement(*fixed, QString(), false);
    EXPECT_EQ(QRect(fixed->pos(), fixed->size()),
              QRect(toolkit::Twips::toPixelsX(left), toolkit::Twips::toPixelsY(1200), 200, 100));

    const auto form = newForm();
    form->setGeometry(60, 75, 320, 240);
    SaveFormPlacement(*form, QString());
    const auto reopened = newForm();
    RestoreFormPlacement(*reopened, QString(), false);
    EXPECT_EQ(QRect(reopened->pos(), reopened->size()), QRect(form->pos(), form->size()));
    SaveFormPlacement(*form, "otroNombre");
    EXPECT_EQ(ReadPlacementValue("otroNombre", "Width"), toolkit::Twips::fromPixelsX(320))
        << "a name given by the caller takes the place of the window's own";
}
