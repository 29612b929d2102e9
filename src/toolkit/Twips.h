#pragma once

namespace toolkit {

// Window positions and sizes are kept in twips (1/1440 inch); the screen's logical DPI
// turns them into pixels, 15 twips a pixel at 96 DPI.
class Twips
{
public:
    static constexpr int PerInch = 1440;

    static int toPixelsX(int twips);
    static int toPixelsY(int twips);
    static int fromPixelsX(int pixels);
    static int fromPixelsY(int pixels);
    static double perPixelX();
    static double perPixelY();
};

} // namespace toolkit
