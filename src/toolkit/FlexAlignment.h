#pragma once

#include <Qt>

namespace toolkit {

// Cell alignments of the classic grid, with their numeric values.
enum class FlexAlignment : int {
    LeftTop = 0,
    LeftCenter = 1,
    LeftBottom = 2,
    CenterTop = 3,
    CenterCenter = 4,
    CenterBottom = 5,
    RightTop = 6,
    RightCenter = 7,
    RightBottom = 8,
    // Text to the left, numbers to the right, both vertically centred.
    General = 9,
};

// How the user may resize the grid's columns and rows with the mouse.
enum class FlexResize : int {
    None = 0,
    Columns = 1,
    Rows = 2,
    Both = 3,
};

} // namespace toolkit
