#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <utility>

namespace toolkit {

// A grid row's leading cells, written one after another into the one text the grid keeps for
// a row: filling a row costs one allocation, not one for each cell's text.
class FlexRowText
{
public:
    // capacity: about the row's characters.
    explicit FlexRowText(qsizetype capacity = 0) { m_text.reserve(capacity); }

    // The next cell.
    FlexRowText &operator<<(QStringView cell)
    {
        m_text += cell;
        endCell();
        return *this;
    }
    // The row's text so far, for a cell written in pieces; endCell() closes it.
    QString &text() { return m_text; }
    void endCell() { m_ends.append(quint32(m_text.size())); }

    int cellCount() const { return int(m_ends.size()); }
    // Where each cell ends in the text.
    quint32 cellEnd(int cell) const { return m_ends[cell]; }
    // Gives up the text, leaving the row empty.
    QString takeText() { return std::exchange(m_text, QString()); }

private:
    QString m_text;
    QVarLengthArray<quint32, 16> m_ends;
};

} // namespace toolkit
