#pragma once

#include <QString>

#include <map>

namespace vontarelis {

// The user's column widths of one grid on one form, in the per-user settings store: section
// "Grids\" followed by the form's name, a backslash and the grid's name; one key per column
// number, the width in twips as text.
class GridWidthStore
{
public:
    GridWidthStore(const QString &application, const QString &formName, const QString &gridName);

    QString section() const { return m_section; }
    // The stored non-zero widths of columns 0 to columns - 1, by column.
    std::map<qint32, qint32> load(qint32 columns) const;
    void save(qint32 column, qint32 width) const;

private:
    QString m_application;
    QString m_section;
};

} // namespace vontarelis
