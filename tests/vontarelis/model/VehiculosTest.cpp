#include "vontarelis/model/ModelTestBase.h"

#include "vontarelis/model/vehiculos.h"

using namespace Qt::StringLiterals;

using namespace vontarelis;

namespace {

class VehiculosTest : public modeltest::ModelTestBase
{
protected:
    VehiculosTest()
    {
        camion = host.addTipoVehiculo("CAMION 350");
        ford = host.addVehiculo(camion, "AB123CD", "Ford", "F-350", "Blanco", "NIV-1", "MOT-1", 2019);
    }

    // Every field of the record in its order, so one comparison shows every difference.
    static QString fieldsOf(const Vehiculo &v)
    {
        return QStringList{QString::number(v.id), QString::number(v.tipoVehiculo), v.placas, v.marca, v.modelo,
                           v.color, v.serialNIV, v.serialMotor, QString::number(v.anho), v.descTipo}
            .join(u'|');
    }
    QVariant eval(qint32 id, const char *name) { return EvalVehiculoVar(id, QString::fromUtf8(name)); }

    qint32 camion = 0;
    qint32 ford = 0;
};

TEST_F(VehiculosTest, LookupsByPlateAndByIdReadEveryField)
{
    const QString ford350 = QStringLiteral("%1|%2|AB123CD|Ford|F-350|Blanco|NIV-1|MOT-1|2019|CAMION 350").arg(ford).arg(camion);
    EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas("AB123CD")), ford350);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(ford)), ford350);

    // The plate is looked up exactly as given; what is not found is a new record.
    for (const char *placas : {"ZZ999ZZ", "ab123cd", " AB123CD"})
        EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas(placas)), fieldsOf(Vehiculo())) << placas;
    EXPECT_EQ(LoadVehiculoById(ford + 1).id, 0);

    // A type without a row, or without a name, reads as invalid.
    EXPECT_EQ(LoadVehiculoById(host.addVehiculo(99, "XY1")).descTipo, u"INVALIDO (99)"_s);
    const qint32 unnamed = host.addTipoVehiculo("");
    host.addVehiculo(unnamed, "XY2");
    EXPECT_EQ(LoadVehiculoByPlacas("XY2").descTipo, QStringLiteral("INVALIDO (%1)").arg(unnamed));
}

TEST_F(VehiculosTest, SavingInsertsEveryFieldThenUpdatesAllButThePlate)
{
    Vehiculo nuevo{0, camion, "NEW001", "Iveco", "Daily", "Rojo", "NIV-9", "MOT-9", 2021, QString()};
    SaveVehiculo(nuevo);
    const qint32 id = nuevo.id;
    EXPECT_EQ(id, ford + 1);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(id)),
              QStringLiteral("%1|%2|NEW001|Iveco|Daily|Rojo|NIV-9|MOT-9|2021|CAMION 350").arg(id).arg(camion));

    const qint32 moto = host.addTipoVehiculo("MOTO");
    nuevo = Vehiculo{id, moto, "CHANGED", "Yamaha", "XT", "Azul", "NIV-10", "MOT-10", 2022, QString()};
    SaveVehiculo(nuevo);
    EXPECT_EQ(nuevo.id, id);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(id)),
              QStringLiteral("%1|%2|NEW001|Yamaha|XT|Azul|NIV-10|MOT-10|2022|MOTO").arg(id).arg(moto));
    EXPECT_EQ(LoadVehiculoById(ford).marca, u"Ford"_s);
}

TEST_F(VehiculosTest, PrintVariablesAnswerTheVehicleFields)
{
    const std::pair<QStringList, QVariant> cases[] = {
        {{"TIPO"}, "CAMION 350"},
        {{"placas"}, "AB123CD"},
        {{"Marca"}, "Ford"},
        {{"MODELO"}, "F-350"},
        {{"COLOR"}, "Blanco"},
        {{"SERIAL", "SERIALNIV", "NIV", "vin"}, "NIV-1"},
        {{"SERIALMOTOR"}, "MOT-1"},
        {{"año", "Año", "AÑO"}, QVariant::fromValue(qint16(2019))},
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
    EXPECT_FALSE(eval(ford + 40, "PLACAS").isValid());
}

TEST_F(VehiculosTest, TheCacheKeepsTheVehicleUntilAnotherIsAskedForOrAVehicleIsSaved)
{
    // While nothing is cached, id 0 answers the empty record; type 0's name is read and kept.
    EXPECT_EQ(eval(0, "PLACAS"), QVariant(QString("")));
    EXPECT_EQ(eval(0, "AÑO"), QVariant::fromValue(qint16(0)));
    EXPECT_EQ(eval(0, "TIPO"), QVariant(QString("")));
    host.exec("INSERT INTO gdTiposVehiculo (id, nombre) VALUES (0, 'SIN TIPO')");
    EXPECT_EQ(eval(0, "TIPO"), QVariant("SIN TIPO"));
    host.exec("UPDATE gdTiposVehiculo SET nombre = 'OTRO' WHERE id = 0");
    EXPECT_EQ(eval(0, "tipo"), QVariant("SIN TIPO"));

    const qint32 other = host.addVehiculo(camion, "OT1", "Chevrolet");
    EXPECT_EQ(eval(ford, "MARCA"), QVariant("Ford"));
    host.exec("UPDATE gdVehiculos SET marca = 'Ford Motor' WHERE id = ?", {ford});
    host.exec("UPDATE gdTiposVehiculo SET nombre = 'CAMION GRANDE' WHERE id = ?", {camion});
    // Changes behind the registry's back, and a new entry-point call, leave the cache alone.
    InitHostContext(host.framework());
    EXPECT_EQ(eval(ford, "MARCA"), QVariant("Ford"));
    EXPECT_EQ(eval(ford, "TIPO"), QVariant("CAMION 350"));
    EXPECT_EQ(eval(other, "MARCA"), QVariant("Chevrolet"));
    EXPECT_EQ(eval(ford, "MARCA"), QVariant("Ford Motor"));
    EXPECT_EQ(eval(ford, "TIPO"), QVariant("CAMION GRANDE"));

    // A vehicle saved through the registry prints as stored at once.
    Vehiculo changed = LoadVehiculoById(ford);
    changed.color = "Gris";
    SaveVehiculo(changed);
    EXPECT_EQ(eval(ford, "COLOR"), QVariant("Gris"));

    // Once a vehicle is cached, id 0 finds nothing; the empty record cached then answers.
    EXPECT_FALSE(eval(0, "PLACAS").isValid());
    EXPECT_EQ(eval(0, "PLACAS"), QVariant(QString("")));
}

} // namespace
