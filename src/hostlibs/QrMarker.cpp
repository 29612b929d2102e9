#include "hostlibs/QrMarker.h"

namespace hostlibs {

QString QrMarker::line(int column, int index)
{
    return QString(column, u' ') + Character + QString::number(index);
}

std::optional<QrMarker> QrMarker::parse(const QString &line)
{
    const qsizetype column = line.indexOf(Character);
    if (column < 0 || !line.left(column).trimmed().isEmpty())
        return std::nullopt;
    bool isNumber = false;
    const int index = line.mid(column + 1).toInt(&isNumber);
    if (!isNumber || index < 0)
        return std::nullopt;
    return QrMarker(int(column), index);
}

} // namespace hostlibs
