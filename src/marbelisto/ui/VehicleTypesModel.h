#pragma once

#include <QSqlTableModel>

namespace marbelisto {

// The vehicle types (gdTiposVehiculo) as the user edits them: the name must not be blank and each
// capacity, in kilograms and in cubic metres, is a positive number or empty (stored as NULL).
// The capacities are shown and typed in the locale's number format. Edits wait for submitAll.
class VehicleTypesModel : public QSqlTableModel
{
    Q_OBJECT

public:
    explicit VehicleTypesModel(const QSqlDatabase &connection, QObject *parent = nullptr);

    int nameColumn() const { return m_nameColumn; }
    int capacityColumn() const { return m_capacityColumn; }
    int volumeColumn() const { return m_volumeColumn; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Refuses a blank name or a capacity that is not a positive number, and says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void refused(const QString &reason);

private:
    bool refuse(const QString &reason);
    bool isCapacity(int column) const { return column == m_capacityColumn || column == m_volumeColumn; }

    int m_nameColumn = -1;
    int m_capacityColumn = -1;
    int m_volumeColumn = -1;
};

} // namespace marbelisto
