#include "vontarelis/model/ForwardingFramework.h"
#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/VariantConvert.h"
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
    static QStringList fieldsOf(const Vehiculo &v)
    {
        return {QString::number(v.id), QString::number(v.tipoVehiculo), v.placas, v.marca, v.modelo, v.color,
                v.serialNIV, v.serialMotor, QString::number(v.anho), v.descTipo};
    }

    QStringList ford350() const
    {
        return {QString::number(ford), QString::number(camion), QStringLiteral("AB123CD"), QStringLiteral("Ford"),
                QStringLiteral("F-350"), QStringLiteral("Blanco"), QStringLiteral("NIV-1"), QStringLiteral("MOT-1"),
                QStringLiteral("2019"), QStringLiteral("CAMION 350")};
    }

    qint32 camion = 0;
    qint32 ford = 0;
};

TEST_F(VehiculosTest, LookupsByPlateAndByIdReadEveryField)
{
    EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas(QStringLiteral("AB123CD"))), ford350());
    EXPECT_EQ(fieldsOf(LoadVehiculoById(ford)), ford350());

    // The plate is looked up exactly as given.
    for (const QString &placas : {QStringLiteral("ZZ999ZZ"), QStringLiteral("ab123cd"), QStringLiteral(" AB123CD")}) {
        EXPECT_EQ(fieldsOf(LoadVehiculoByPlacas(placas)), fieldsOf(Vehiculo())) << placas.toStdString();
    }
    EXPECT_EQ(LoadVehiculoById(ford + 1).id, 0);
}

TEST_F(VehiculosTest, ATypeWithoutNameReadsAsInvalid)
{
    const qint32 orphan = host.addVehiculo(99, QStringLiteral("XY1"));
    EXPECT_EQ(LoadVehiculoById(orphan).descTipo, QStringLiteral("INVALIDO (99)"));
    const qint32 unnamed = host.addTipoVehiculo(QString(""));
    host.addVehiculo(unnamed, QStringLiteral("XY2"));
    EXPECT_EQ(LoadVehiculoByPlacas(QStringLiteral("XY2")).descTipo, QStringLiteral("INVALIDO (%1)").arg(unnamed));
}

TEST_F(VehiculosTest, SavingInsertsEveryFieldThenUpdatesAllButThePlate)
{
    Vehiculo nuevo;
    nuevo.tipoVehiculo = camion;
    nuevo.placas = QStringLiteral("NEW001");
    nuevo.marca = QStringLiteral("Iveco");
    nuevo.modelo = QStringLiteral("Daily");
    nuevo.color = QStringLiteral("Rojo");
    nuevo.serialNIV = QStringLiteral("NIV-9");
    nuevo.serialMotor = QStringLiteral("MOT-9");
    nuevo.anho = 2021;
    SaveVehiculo(nuevo);
    EXPECT_EQ(nuevo.id, ford + 1);

    EXPECT_EQ(fieldsOf(LoadVehiculoById(nuevo.id)),
              (QStringList{QString::number(nuevo.id), QString::number(camion), QStringLiteral("NEW001"),
                           QStringLiteral("Iveco"), QStringLiteral("Daily"), QStringLiteral("Rojo"), QStringLiteral("NIV-9"),
                           QStringLiteral("MOT-9"), QStringLiteral("2021"), QStringLiteral("CAMION 350")}));

    const qint32 otherType = host.addTipoVehiculo(QStringLiteral("MOTO"));
    nuevo.placas = QStringLiteral("CHANGED");
    nuevo.marca = QStringLiteral("Yamaha");
    nuevo.modelo = QStringLiteral("XT");
    nuevo.color = QStringLiteral("Azul");
    nuevo.serialNIV = QStringLiteral("NIV-10");
    nuevo.serialMotor = QStringLiteral("MOT-10");
    nuevo.anho = 2022;
    nuevo.tipoVehiculo = otherType;
    const qint32 id = nuevo.id;
    SaveVehiculo(nuevo);
    EXPECT_EQ(nuevo.id, id);

    EXPECT_EQ(fieldsOf(LoadVehiculoById(id)),
              (QStringList{QString::number(id), QString::number(otherType), QStringLiteral("NEW001"),
                           QStringLiteral("Yamaha"), QStringLiteral("XT"), QStringLiteral("Azul"), QStringLiteral("NIV-10"),
                           QStringLiteral("MOT-10"), QStringLiteral("2022"), QStringLiteral("MOTO")}));
    EXPECT_EQ(LoadVehiculoByPlacas(QStringLiteral("CHANGED")).id, 0);
    EXPECT_EQ(fieldsOf(LoadVehiculoById(ford)), ford350());
}

// Another workstation registers a vehicle right before this session reads its new id.
class VehicleRaceFramework : public modeltest::ForwardingFramework
{
public:
    VehicleRaceFramework(host::IFramework &real, host::IFramework &other) : ForwardingFramework(real), m_other(other) {}

    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        if (sql.contains(QLatin1String("IDENT"), Qt::CaseInsensitive))
            m_other.ExecuteSQLA(QStringLiteral("INSERT INTO gdVehiculos (tipoVehiculo, placas) VALUES (1, 'OTRO')"), {});
        return ForwardingFramework::ReadScalarA(sql, parameters);
    }

private:
    host::IFramework &m_other;
};

TEST_F(VehiculosTest, ANewVehicleGetsItsOwnIdWhenAnotherIsRegisteredMeanwhile)
{
    const auto otherWorkstation = host.openSecondConnection();
    VehicleRaceFramework racing(host.framework(), *otherWorkstation);
    vontarelis::InitHostContext(racing);

    Vehiculo nuevo;
    nuevo.tipoVehiculo = camion;
    nuevo.placas = QStringLiteral("MINE01");
    SaveVehiculo(nuevo);
    EXPECT_EQ(nuevo.id, toolkit::toLong(host.scalar(QStringLiteral("SELECT id FROM gdVehiculos WHERE placas = 'MINE01'"))));
    EXPECT_EQ(LoadVehiculoByPlacas(QStringLiteral("OTRO")).id, nuevo.id + 1);
}

TEST_F(VehiculosTest, PrintVariablesAnswerTheVehicleFields)
{
    const auto text = [this](const QString &name) { return EvalVehiculoVar(ford, name); };
    EXPECT_EQ(text(QStringLiteral("TIPO")), QVariant(QStringLiteral("CAMION 350")));
    EXPECT_EQ(text(QStringLiteral("placas")), QVariant(QStringLiteral("AB123CD")));
    EXPECT_EQ(text(QStringLiteral("Marca")), QVariant(QStringLiteral("Ford")));
    EXPECT_EQ(text(QStringLiteral("MODELO")), QVariant(QStringLiteral("F-350")));
    EXPECT_EQ(text(QStringLiteral("COLOR")), QVariant(QStringLiteral("Blanco")));
    for (const QString &name : {QStringLiteral("SERIAL"), QStringLiteral("SERIALNIV"), QStringLiteral("NIV"), QStringLiteral("vin")})
        EXPECT_EQ(text(name), QVariant(QStringLiteral("NIV-1"))) << name.toStdString();
    EXPECT_EQ(text(QStringLiteral("SERIALMOTOR")), QVariant(QStringLiteral("MOT-1")));
    for (const QString &name : {QString::fromUtf8("año"), QString::fromUtf8("Año"), QString::fromUtf8("AÑO")}) {
        const QVariant anho = text(name);
        EXPECT_EQ(anho.metaType(), QMetaType::fromType<qint16>());
        EXPECT_EQ(anho, QVariant::fromValue(qint16(2019)));
    }
    for (const QString &name : {QStringLiteral("PLACA"), QStringLiteral("ANHO"), QStringLiteral("NUMERO"), QString()})
        EXPECT_FALSE(text(name).isValid()) << name.toStdString();

    EXPECT_FALSE(EvalVehiculoVar(ford + 40, QStringLiteral("PLACAS")).isValid());
}

TEST_F(VehiculosTest, TheCacheKeepsTheVehicleUntilAnotherIsAskedFor)
{
    const qint32 other = host.addVehiculo(camion, QStringLiteral("OT1"), QStringLiteral("Chevrolet"));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford")));

    Vehiculo changed = LoadVehiculoById(ford);
    changed.marca = QStringLiteral("Ford Motor");
    SaveVehiculo(changed);
    host.exec(QStringLiteral("UPDATE gdTiposVehiculo SET nombre = 'CAMION GRANDE'"));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("TIPO")), QVariant(QStringLiteral("CAMION 350")));
    EXPECT_EQ(vontarelis::gVehiculoActual.id, ford);

    EXPECT_EQ(EvalVehiculoVar(other, QStringLiteral("MARCA")), QVariant(QStringLiteral("Chevrolet")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("MARCA")), QVariant(QStringLiteral("Ford Motor")));
    EXPECT_EQ(EvalVehiculoVar(ford, QStringLiteral("TIPO")), QVariant(QStringLiteral("CAMION GRANDE")));

    // A new entry-point call leaves the cache alone.
    vontarelis::InitHostContext(host.framework());
    EXPECT_EQ(vontarelis::gVehiculoActual.id, ford);

    // Once a vehicle is cached, id 0 finds nothing; the cache is then the empty record, whose
    // fields the next question for id 0 answers.
    EXPECT_FALSE(EvalVehiculoVar(0, QStringLiteral("PLACAS")).isValid());
    EXPECT_EQ(vontarelis::gVehiculoActual.id, 0);
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("PLACAS")), QVariant(QString("")));
}

TEST_F(VehiculosTest, IdZeroWithAnEmptyCacheAnswersTheEmptyRecord)
{
    const QVariant placas = EvalVehiculoVar(0, QStringLiteral("PLACAS"));
    EXPECT_TRUE(placas.isValid());
    EXPECT_EQ(placas, QVariant(QString("")));
    EXPECT_EQ(EvalVehiculoVar(0, QString::fromUtf8("AÑO")), QVariant::fromValue(qint16(0)));
    // Type 0 has no row: an empty text.
    const QVariant tipo = EvalVehiculoVar(0, QStringLiteral("TIPO"));
    EXPECT_TRUE(tipo.isValid());
    EXPECT_EQ(tipo, QVariant(QString("")));

    // With a row for type 0, its name is read and kept.
    host.exec(QStringLiteral("INSERT INTO gdTiposVehiculo (id, nombre) VALUES (0, 'SIN TIPO')"));
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("TIPO")), QVariant(QStringLiteral("SIN TIPO")));
    host.exec(QStringLiteral("UPDATE gdTiposVehiculo SET nombre = 'OTRO' WHERE id = 0"));
    EXPECT_EQ(EvalVehiculoVar(0, QStringLiteral("tipo")), QVariant(QStringLiteral("SIN TIPO")));
}

} // namespace
