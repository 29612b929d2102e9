#pragma once

namespace hostlibs {

// Marks the print in progress as one that may ask the user: an interactive print that shows
// the preview. A host asked for something in the middle of a print (which format file to use)
// reads active() to know whether it may open a dialog; outside a print nobody is asked.
class InteractivePrintScope
{
public:
    explicit InteractivePrintScope(bool mayAskUser);
    ~InteractivePrintScope();
    InteractivePrintScope(const InteractivePrintScope &) = delete;
    InteractivePrintScope &operator=(const InteractivePrintScope &) = delete;

    static bool active();
    // Whether the latest print opened such a scope with the user at hand; a report that follows
    // a print (the listing after a guide) goes where that print went.
    static bool lastPrintInteractive();

private:
    bool m_previous;
};

} // namespace hostlibs
