#pragma once

#include <QString>

#include <vector>

namespace hostlibs {

// The modules of a QR code for a text, encoded by libqrencode as UTF-8 bytes with error
// correction level M (about 15 % of the symbol may be lost to a smudge or a fold). Row by row,
// without the quiet zone around the symbol.
class QrMatrix
{
public:
    // Whether encode() takes the text: not empty, and not too long for the largest symbol.
    static bool fits(const QString &text);
    // Raises when the text is empty or too long for the largest symbol.
    static QrMatrix encode(const QString &text);

    int size() const { return m_size; }
    bool isDark(int column, int row) const { return m_dark[std::size_t(row) * std::size_t(m_size) + std::size_t(column)]; }

private:
    QrMatrix(int size, std::vector<bool> dark) : m_size(size), m_dark(std::move(dark)) {}

    int m_size;
    std::vector<bool> m_dark;
};

} // namespace hostlibs
