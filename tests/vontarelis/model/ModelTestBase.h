#pragma once

#include "marbelisto/db/SqliteDatabase.h"
#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <gtest/gtest.h>

#include <functional>

namespace modeltest {

// A fresh database as the host context of the component, English (United States) numbers and
// dates, and an empty vehicle cache.
class ModelTestBase : public ::testing::Test
{
protected:
    ModelTestBase()
    {
        vontarelis::InitHostContext(host.framework());
        vontarelis::gVehiculoActual = vontarelis::Vehiculo();
    }
    ~ModelTestBase() override
    {
        vontarelis::gHost = nullptr;
        vontarelis::gEmpresa.reset();
        vontarelis::gTemaUI.reset();
        vontarelis::gVehiculoActual = vontarelis::Vehiculo();
    }

    // A guide as the creation dialog fills it before saving.
    vontarelis::GuiaDespacho newGuide() const
    {
        vontarelis::GuiaDespacho guia;
        guia.setCodigoConductor(QStringLiteral("C01"));
        guia.setIdVehiculo(7);
        guia.setFecha(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        guia.setOperador(QStringLiteral("OPERADOR"));
        guia.setFacturas(3);
        guia.setTotalPeso(1500.5);
        guia.setTotalPrecioVenta(toolkit::Currency::fromRaw(12345678));
        guia.setTotalIVA(toolkit::Currency::fromRaw(1975308));
        guia.setCodigoVendedor(QStringLiteral("V01"));
        guia.setZona(QStringLiteral("Z1"));
        return guia;
    }

    testsupport::LocaleScope locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
};

// A second workstation on the test host's database that runs a hook right before it reads an
// identity, as another insert can fall between an insert and that read.
class RacingFramework : public marbelisto::Framework
{
public:
    RacingFramework(const QString &dataPath, std::function<void()> hook)
        : Framework(marbelisto::SqliteDatabase::open(marbelisto::DataFolder(dataPath).databaseFile()),
                    marbelisto::DataFolder(dataPath), QStringLiteral("OPERADOR")),
          m_hook(std::move(hook))
    {
    }

    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        if (sql.contains(QLatin1String("IDENT"), Qt::CaseInsensitive))
            m_hook();
        return Framework::ReadScalarA(sql, parameters);
    }

private:
    std::function<void()> m_hook;
};

} // namespace modeltest
