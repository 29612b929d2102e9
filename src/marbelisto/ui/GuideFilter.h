#pragma once

#include <QDate>

namespace marbelisto {

// Which guides the list shows: by state and by the guide's date, both ends included.
// A null date leaves that end open.
struct GuideFilter
{
    enum class State { All, Open, Closed };

    State state = State::All;
    QDate from;
    QDate to;

    bool operator==(const GuideFilter &) const = default;
};

} // namespace marbelisto
