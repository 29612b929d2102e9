#include "toolkit/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace toolkit {

namespace {

double logicalDpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double Twips::perPixelX()
{
    return PerInch / logicalDpi(true);
}

double Twips::perPixelY()
{
    return PerInch / logicalDpi(false);
}

int Twips::toPixelsX(int twips)
{
    return int(std::lround(twips / perPixelX()));
}

int Twips::toPixelsY(int twips)
{
    return int(std::lround(twips / perPixelY()));
}

int Twips::fromPixelsX(int pixels)
{
    return int(std::lround(pixels * perPixelX()));
}

int Twips::fromPixelsY(int pixels)
{
    return int(std::lround(pixels * perPixelY()));
}

} // namespace toolkit
