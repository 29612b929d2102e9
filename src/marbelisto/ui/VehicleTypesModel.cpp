#include "marbelisto/ui/VehicleTypesModel.h"

#include <QLocale>
#include <QSqlRecord>

namespace marbelisto {

namespace {

// PostgreSQL keeps unquoted names in lower case, lists tables outside "public" with their
// schema ("dbo.gdtiposvehiculo"), and the driver quotes what it is given; so the table is
// named as the connection lists it.
QString storedName(const QSqlDatabase &connection, const QString &name)
{
    const QStringList tables = connection.tables();
    for (const QString &table : tables) {
        if (table.section(QLatin1Char('.'), -1).compare(name, Qt::CaseInsensitive) == 0)
            return table;
    }
    return name;
}

} // namespace

VehicleTypesModel::VehicleTypesModel(const QSqlDatabase &connection, QObject *parent)
    : QSqlTableModel(parent, connection)
{
    setTable(storedName(connection, QStringLiteral("gdTiposVehiculo")));
    setEditStrategy(OnManualSubmit);
    // QSqlRecord::indexOf matches without regard to case, as the engines spell the columns.
    m_nameColumn = record().indexOf(QStringLiteral("nombre"));
    m_capacityColumn = record().indexOf(QStringLiteral("capacidadKg"));
    m_volumeColumn = record().indexOf(QStringLiteral("capacidadM3"));
    setSort(record().indexOf(QStringLiteral("id")), Qt::AscendingOrder);
    setHeaderData(m_nameColumn, Qt::Horizontal, QStringLiteral("Nombre"));
    setHeaderData(m_capacityColumn, Qt::Horizontal, QStringLiteral("Capacidad (kg)"));
    setHeaderData(m_volumeColumn, Qt::Horizontal, QStringLiteral("Capacidad (m³)"));
}

QVariant VehicleTypesModel::data(const QModelIndex &index, int role) const
{
    const QVariant stored = QSqlTableModel::data(index, role);
    if (!isCapacity(index.column()) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return stored;
    if (stored.isNull())
        return QString();
    return QLocale().toString(stored.toDouble(), 'f', QLocale::FloatingPointShortest);
}

bool VehicleTypesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole)
        return QSqlTableModel::setData(index, value, role);
    const QString text = value.toString().trimmed();
    if (index.column() == m_nameColumn) {
        if (text.isEmpty())
            return refuse(QStringLiteral("El nombre del tipo de vehículo no puede quedar vacío."));
        return QSqlTableModel::setData(index, text, role);
    }
    if (!isCapacity(index.column()))
        return QSqlTableModel::setData(index, value, role);
    if (text.isEmpty())
        return QSqlTableModel::setData(index, QVariant(QMetaType::fromType<double>()), role);
    // A number from code is taken as it is; text is read as the user's locale writes numbers.
    bool ok = false;
    const double capacity = value.typeId() == QMetaType::QString ? QLocale().toDouble(text, &ok) : value.toDouble(&ok);
    if (!ok || !(capacity > 0.0))
        return refuse(QStringLiteral("«%1» no es una capacidad válida: escriba un número de %2 mayor que "
                                     "cero, o déjela vacía si no se conoce.")
                          .arg(text, index.column() == m_volumeColumn ? QStringLiteral("metros cúbicos")
                                                                      : QStringLiteral("kilogramos")));
    return QSqlTableModel::setData(index, capacity, role);
}

bool VehicleTypesModel::refuse(const QString &reason)
{
    emit refused(reason);
    return false;
}

} // namespace marbelisto
