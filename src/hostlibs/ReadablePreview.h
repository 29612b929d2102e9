#pragma once

class QPrintPreviewDialog;

namespace hostlibs {

// Qt's print preview as a reader expects it: the page fitted to the window's width rather than
// whole and too small to read, and Ctrl++ / Ctrl+- pressing its zoom buttons, which have no keys.
class ReadablePreview
{
public:
    static void prepare(QPrintPreviewDialog &preview);
};

} // namespace hostlibs
