#pragma once

#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "vontarelis/forms/select/frmSelectFacturas.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QMenu;

namespace toolkit {
class FlexGrid;
}

namespace selecttest {

// The guide-creation dialog, shown offscreen over a real SQLite book and driven with the
// keyboard and with clicks through its window. The book holds four invoices that may travel,
// oldest first:
//   A-000009  Comercial Este  zone 02, V02  1000 + 160 at rate 1   0 kg
//   A-000001  Bodega Centro   zone 01, V01   100 +  16 at rate 1  10 kg
//   A-000002  Comercial Este  zone 02, V02   200 +  32 at rate 2   2.5 kg
//   B-000007  Abasto Norte    zone 01, V02    40 + 6.4 at rate 0 (company rate 4)
// and three that never do: one of a missing customer, one dispatched, one already on guide 1.
// Drivers C01 and AB12; vehicle types Camión and Furgoneta; vehicle ABC1234 (a Camión).
class SelectDialogTest : public ::testing::Test
{
protected:
    SelectDialogTest();
    ~SelectDialogTest() override;

    // Shows a new dialog over the given host (the test host by default), focus in conductor.
    void open(host::IFramework *framework = nullptr);

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Fault injection counts statements: the 5-second refresh must not take one.
    void stopTimer();
    QWidget *focused() const;
    QString hint() const;

    // Clicks into the text field, replaces its text by typing and leaves it with Tab.
    void fill(const QString &field, const QString &text);
    // Clicks the drop-down list and the item with this text in its popup.
    void pick(const QString &list, const QString &item);
    void click(const QString &name, Qt::MouseButton button = Qt::LeftButton);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void type(const QString &text);

    toolkit::FlexGrid &grid() const;
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton);
    QStringList column(int col) const;
    // lblqFacturas, lblPesoSel, lblValorSel.
    QStringList totals() const;
    void load() { click(QStringLiteral("cbCargarFacturas")); }

    // Every row of a query, every column.
    QList<QVariantList> rows(const QString &sql, const QVariantList &parameters = {});
    // The component's stored guides, links and vehicles, whole.
    QList<QVariantList> stored();
    // What the dialog shows: every entry, the stored codes, the ticks and the totals.
    QStringList entries() const;

    // The next popup menu of the dialog: the item at index is clicked, or -1 dismisses it.
    void whenMenuShown(int index);
    int menusShown() const { return m_menusShown; }

    // A valid driver, and the known vehicle ABC1234 with its fields left as they are.
    void enterDriverAndKnownVehicle();
    // A vehicle that is not registered yet, every field typed.
    void enterNewVehicle(const QString &placa);

    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    std::unique_ptr<vontarelis::frmSelectFacturas> dialog;
    qint32 camion = 0;
    qint32 furgoneta = 0;
    qint32 vehiculoConocido = 0;
    // Invoice numbers in grid order.
    QList<qint32> facturas;

private:
    int m_menusShown = 0;
};

} // namespace selecttest
