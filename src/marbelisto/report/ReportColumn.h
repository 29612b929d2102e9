#pragma once

#include <Qt>
#include <QString>

namespace marbelisto {

// One column of a user report: the query's field it shows, its caption, its width in
// characters, its alignment, an optional number or date mask, and whether it is summed.
struct ReportColumn
{
    // Wider is a slip of the keyboard, which would take gigabytes to lay out.
    static constexpr int WidestWidth = 1000;

    QString field;
    QString caption;
    int width = 10;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString mask;
    bool sum = false;
};

} // namespace marbelisto
