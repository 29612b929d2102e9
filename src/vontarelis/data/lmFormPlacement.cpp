#include "vontarelis/data/lmFormPlacement.h"

#include "toolkit/Twips.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/UserSettings.h"
#include "vontarelis/data/lmGetSetting.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <exception>

namespace vontarelis {

namespace {

const QString PlacementApplication = QStringLiteral("QRN");
const QString PlacementSection = QStringLiteral("CONFIG\\FormPlacement\\");
constexpr qint32 NotStored = -100;
// A window may run this far past the screen's edge before it is pulled back.
constexpr qint32 EdgeTolerance = 180;

QString formName(const QWidget &form, const QString &name)
{
    return name.isEmpty() ? form.objectName() : name;
}

// A window the user cannot resize keeps the size it was designed with.
bool hasFixedBorder(const QWidget &form)
{
    return form.minimumSize() == form.maximumSize() || form.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

// Window systems place windows within 16-bit pixel coordinates: a stored value beyond them was
// never a window's place, and taking it would keep the dialog out of sight for good, as closing
// stores it back.
bool beyondAnyScreen(qint64 twipsX, qint64 twipsY)
{
    constexpr double FarthestPixel = 32767;
    return twipsX / toolkit::Twips::perPixelX() > FarthestPixel || twipsY / toolkit::Twips::perPixelY() > FarthestPixel;
}

QSize screenTwips(const QWidget &form)
{
    const QScreen *screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    return {toolkit::Twips::fromPixelsX(area.width()), toolkit::Twips::fromPixelsY(area.height())};
}

} // namespace

qint32 ReadPlacementValue(const QString &formName, const QString &key)
{
    try {
        return toolkit::toLong(GetIniSetting(PlacementApplication, PlacementSection + formName, key,
                                             QString::number(NotStored)));
    } catch (const std::exception &) {
        return NotStored;
    }
}

void RestoreFormPlacement(QWidget &form, const QString &name, bool skipScreenChecks)
{
    const QString section = formName(form, name);
    qint64 left = ReadPlacementValue(section, QStringLiteral("Left"));
    if (left < -90)
        return;
    qint64 top = ReadPlacementValue(section, QStringLiteral("Top"));
    if (top < -90)
        return;
    qint64 width = ReadPlacementValue(section, QStringLiteral("Width"));
    if (width <= 0)
        return;
    qint64 height = ReadPlacementValue(section, QStringLiteral("Height"));
    if (height <= 0)
        return;

    if (hasFixedBorder(form)) {
        width = toolkit::Twips::fromPixelsX(form.width());
        height = toolkit::Twips::fromPixelsY(form.height());
    }
    if (beyondAnyScreen(left + width, top + height))
        return;

    if (!skipScreenChecks) {
        const QSize screen = screenTwips(form);
        if (left + width > screen.width() + EdgeTolerance) {
            left = screen.width() - width;
            if (left < 0)
                return;
        }
        if (top + height > screen.height() + EdgeTolerance) {
            top = screen.height() - height;
            if (top < 0)
                return;
        }
    }

    // Within the range checked above, every value fits the pixel conversion's int.
    form.move(toolkit::Twips::toPixelsX(int(left)), toolkit::Twips::toPixelsY(int(top)));
    form.resize(toolkit::Twips::toPixelsX(int(width)), toolkit::Twips::toPixelsY(int(height)));
}

void SaveFormPlacement(QWidget &form, const QString &name)
{
    const QString section = PlacementSection + formName(form, name);
    UserSettings::save(PlacementApplication, section, QStringLiteral("Left"), QString::number(toolkit::Twips::fromPixelsX(form.x())));
    UserSettings::save(PlacementApplication, section, QStringLiteral("Top"), QString::number(toolkit::Twips::fromPixelsY(form.y())));
    UserSettings::save(PlacementApplication, section, QStringLiteral("Width"), QString::number(toolkit::Twips::fromPixelsX(form.width())));
    UserSettings::save(PlacementApplication, section, QStringLiteral("Height"), QString::number(toolkit::Twips::fromPixelsY(form.height())));
}

} // namespace vontarelis
