#pragma once

#include <QDialog>

class QLabel;
class QSqlDatabase;
class QTableView;

namespace marbelisto {

class VehicleTypesModel;

// "Tipos de vehículo": the vehicle types' names and capacities, edited in place and written with
// "Guardar". A failed save is reported and the edits stay, so the user can correct and retry.
class VehicleTypesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VehicleTypesDialog(const QSqlDatabase &connection, QWidget *parent = nullptr);

    VehicleTypesModel &model() const { return *m_model; }
    QTableView &view() const { return *m_view; }

public slots:
    void addType();
    // Writes every pending edit; returns whether the database took them.
    bool save();

private:
    VehicleTypesModel *m_model;
    QTableView *m_view;
    QLabel *m_notice;
};

} // namespace marbelisto
