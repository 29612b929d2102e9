#include "vontarelis/model/ModelTestBase.h"

#include "vontarelis/model/vehiculos.h"

using modeltest::ModelTestBase;
using vontarelis::EvalVehiculoVar;
using vontarelis::LoadVehiculoById;
using vontarelis::LoadVehiculoByPlacas;
using vontarelis::SaveVehiculo;
using vontarelis::Vehiculo;

namespace {

class VehiculosTest : public ModelTestBase
{
protected:
    VehiculosTest()
    {
        camion = host.addTipoVehiculo(QStringLiteral("CAMION 350"));
        ford = host.addVehiculo(camion, QStringLiteral("AB123CD"), QStringLiteral("Ford"), QStringLiteral("F-350"),
                                QStringLiteral("Blanco"), QStringLiteral("NIV-1"), QStringLiteral("MOT-1"), 2019);
    }

    // Every field of the record in its order, so one comparison shows every difference.
    static QString fieldsOf(const Vehiculo &v)
    {
        return QStringList{QString::number(v.id), QString::number(v.tipoVehiculo), v.placas, v.marca, v.modelo,
                           v.color, v.serialNIV, v.serialMotor, QString::number(v.anho), v.descTipo}
            .join(u'|');
    }

    qint32 camion = 0;
    qint32 ford = 0;
};

TEST_F(VehiculosTest, LookupsByPlateAndByIdReadEveryField)
{
    const QString ford350 = QStringLiteral("%1|%2|AB123CD|Ford|F-350|Blanco|NIV-1|MOT-1|2019|CAMION 350").arg(ford).arg(camion);
    EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas(QStringLiteral("AB123CD"))), ford350);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(ford)), ford350);

    // The plate is looked up exactly as given; what is not found is a new record.
    for (const QString &placas : {QStringLiteral("ZZ999ZZ"), QStringLiteral("ab123cd"), QStringLiteral(" AB123CD")})
        EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas(placas)), fieldsOf(Vehiculo())) << placas.toStdString();
    EXPECT_EQ(LoadVehiculoById(ford + 1).id, 0);

    // A type without a row, or without a name, reads as invalid.
    const qint32 orphan = host.addVehiculo(99, QStringLiteral("XY1"));
    EXPECT_EQ(LoadVehiculoById(orphan).descTipo, QStringLiteral("INVALIDO (99)"));
    const qint32 unnamed = host.addTipoVehiculo(QString(""));
    host.addVehiculo(unnamed, QStringLiteral("XY2"));
    EXPECT_EQ(LoadVehiculoByPlacas(QStringLiteral("XY2")).descTipo, QStringLiteral("INVALIDO (%1)").arg(unnamed));
}

TEST_F(VehiculosTest, SavingInsertsEveryFieldThenUpdatesAllButThePlate)
{
    Vehiculo nuevo{0, camion, "NEW001", "Iveco", "Daily", "Rojo", "NIV-9", "MOT-9", 2021, QString()};
    SaveVehiculo(nuevo);
    const qint32 id = nuevo.id;
    EXPECT_EQ(id, ford + 1);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(id)), QStringLiteral("%1|%2|NEW001|Iveco|Daily|Rojo|NIV-9|MOT-9|2021|CAMION 350")
                                                  .arg(id).arg(camion));

    const qint32 moto = host.addTipoVehiculo(QStringLiteral("MOTO"));
    nuevo = Vehiculo{id, moto, "CHANGED", "Yamaha", "XT", "Azul", "NIV-10", "MOT-10", 2022, QString()};
    SaveVehiculo(nuevo);
    EXPECT_EQ(nuevo.id, id);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(id)), QStringLiteral("%1|%2|NEW001|Yamaha|XT|Azul|NIV-10|MOT-10|2022|MOTO")
                                                  .arg(id).arg(moto));
    EXPECT_EQ(LoadVehiculoById(ford).marca, QStringLiteral("Ford"));
}

TEST_F(VehiculosTest, PrintVariablesAnswerTheVehicleFields)
{
    const std::pair<QStringList, QVariant> cases[] = {
        {{"TIPO"}, QStringLiteral("CAMION 350")},
        {{"placas"}, QStringLiteral("AB123CD")},
        {{"Marca"}, QStringLiteral("Ford")},
        {{"MODELO"}, QStringLiteral("F-350")},
        {{"COLOR"}, QStringLiteral("Blanco")},
        {{"SERIAL", "SERIALNIV", "NIV", "vin"}, QStringLiteral("NIV-1")},
        {{"SERIALMOTOR"}, QStringLiteral("MOT-1")},
        {{QString::fromUtf8("año"), QString::fromUtf8("Año"), QString::fromUtf8("AÑO")}, QVariant::fromValue(qint16(2019))},
        // Not vehicle variables.
        {{"PLACA", "ANHO", "NUMERO", ""}, QVariant()},
    };
    for (const auto &[names, expected] : cases) {
        for (const QString &name : names) {
            const QVariant value = EvalVehiculoVar(ford, name);
            EXPECT_EQ(value.metaType(), expected.metaType()) << name.toStdString();
            EXPECT_EQ(value, expected) << name.toStdString();
        }
    }
    EXPECT_FALSE(EvalVehiculoVar(ford + 40, QStringLiteral("PLACAS")).isValid());
}

TEST_F(VehiculosTest, TheCacheKeepsTheVehicleUntilAnotherIsAskedFor)
{
    // While nothing is cached, id 0 answers the empty record; type 0's name is read and kept.
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("PLACAS")), QVariant(QString("")));
    EXPECT_EQ(EvalVehiculoVar(0, QString::fromUtf8("AÑO")), QVariant::fromValue(qint16(0)));
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("TIPO")), QVariant(QString("")));
    host.exec(QStringLiteral("INSERT INTO gdTiposVehiculo (id, nombre) VALUES (0, 'SIN TIPO')"));
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("TIPO")), QVariant(QStringLiteral("SIN TIPO")));
    host.exec(QStringLiteral("UPDATE gdTiposVehiculo SET nombre = 'OTRO' WHERE id = 0"));
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("tipo")), QVariant(QStringLiteral("SIN TIPO")));

    const qint32 other = host.addVehiculo(camion, QStringLiteral("OT1"), QStringLiteral("Chevrolet"));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford")));
    Vehiculo changed = LoadVehiculoById(ford);
    changed.marca = QStringLiteral("Ford Motor");
    SaveVehiculo(changed);
    host.exec(QStringLiteral("UPDATE gdTiposVehiculo SET nombre = 'CAMION GRANDE' WHERE id = ?"), {camion});
    // A new entry-point call leaves the cache alone too.
    vontarelis::InitHostContext(host.framework());
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("TIPO")), QVariant(QStringLiteral("CAMION 350")));

    EXPECT_EQ(EvalVehiculoVar(other, QStringLiteral("MARCA")), QVariant(QStringLiteral("Chevrolet")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford Motor")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("TIPO")), QVariant(QStringLiteral("CAMION GRANDE")));

    // Once a vehicle is cached, id 0 finds nothing; the empty record cached then answers.
    EXPECT_FALSE(EvalVehiculoVar(0, QStringLiteral("PLACAS")).isValid());
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("PLACAS")), QVariant(QString("")));
}

} // namespace
