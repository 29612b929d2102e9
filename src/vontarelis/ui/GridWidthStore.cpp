#include "vontarelis/ui/GridWidthStore.h"

#include "vontarelis/data/UserSettings.h"

namespace vontarelis {

GridWidthStore::GridWidthStore(const QString &application, const QString &formName, const QString &gridName)
    : m_application(application), m_section(QStringLiteral("Grids\\%1\\%2").arg(formName, gridName))
{
}

std::map<qint32, qint32> GridWidthStore::load(qint32 columns) const
{
    std::map<qint32, qint32> widths;
    for (qint32 column = 0; column < columns; ++column) {
        bool ok = false;
        const qint32 width = UserSettings::get(m_application, m_section, QString::number(column), QString()).toInt(&ok);
        if (ok && width != 0)
            widths[column] = width;
    }
    return widths;
}

void GridWidthStore::save(qint32 column, qint32 width) const
{
    UserSettings::save(m_application, m_section, QString::number(column), QString::number(width));
}

} // namespace vontarelis
