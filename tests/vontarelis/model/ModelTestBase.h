#pragma once

#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <gtest/gtest.h>

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

} // namespace modeltest
