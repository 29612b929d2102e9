#pragma once

#include <QStringView>

#include <array>

namespace toolkit {

// The shortest digits that read back to the same double, in fixed notation with a point and no
// grouping, written on the stack: a grid of a hundred thousand invoices writes four of these
// per row, where Qt's own conversion costs an allocation and a slower algorithm each. Only for
// the magnitudes where the standard library and Qt write the same text; others go through Qt.
class ShortestFixed
{
public:
    // Zero, and magnitudes from 1E-04 up to below 1E+15.
    static bool covers(double value);

    // value: covered.
    explicit ShortestFixed(double value);

    QStringView text() const { return {m_digits.data(), m_size}; }

private:
    bool writeFewDecimals(double value);

    std::array<char16_t, 48> m_digits;
    qsizetype m_size = 0;
};

} // namespace toolkit
