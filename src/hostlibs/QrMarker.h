#pragma once

#include <QString>

#include <optional>

namespace hostlibs {

// The line that stands for a QR code among the text lines of a format or a print job: the
// object replacement character at the code's column, followed by the number of the code's text.
// Field values never carry that character (FieldFiller drops it), so no filled line is taken
// for a marker.
class QrMarker
{
public:
    static constexpr QChar Character{0xFFFC};

    static QString line(int column, int index);
    static std::optional<QrMarker> parse(const QString &line);

    int column() const { return m_column; }
    int index() const { return m_index; }

private:
    QrMarker(int column, int index) : m_column(column), m_index(index) {}

    int m_column;
    int m_index;
};

} // namespace hostlibs
