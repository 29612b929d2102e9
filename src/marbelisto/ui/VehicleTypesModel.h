#pragma once

#include <QSqlTableModel>

namespace marbelisto {

// The vehicle types (gdTiposVehiculo) as the user edits them: the name must not be blank and the
// capacity in kilograms is a positive number or empty (stored as NULL). The capacity is shown
// and typed in the locale's number format. Edits wait for submitAll.
class VehicleTypesModel : public QSqlTableModel
{
    Q_OBJECT

public:
    explicit VehicleTypesModel(const QSqlDatabase &connection, QObject *parent = nullptr);

    int nameColumn() const { return m_nameColumn; }
    int capacityColumn() const { return m_capacityColumn; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Refuses a blank name or a capacity that is not a positive number, and says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void refused(const QString &reason);

private:
    bool refuse(const QString &reason);

    int m_nameColumn = -1;
    int m_capacityColumn = -1;
};

} // namespace marbelisto
