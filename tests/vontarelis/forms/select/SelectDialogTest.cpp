#include "SelectDialogTest.h"

#include "toolkit/CodeLookupBox.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/StatusBar.h"
#include "toolkit/WindowInput.h"
#include "vontarelis/entry/globales.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace selecttest {

namespace {

QDateTime day(int month, int dayOfMonth)
{
    return QDateTime(QDate(2024, month, dayOfMonth), QTime(9, 30));
}

} // namespace

SelectDialogTest::SelectDialogTest()
{
    host.setCompany(4.0);
    host.addZona(QStringLiteral("01"), QStringLiteral("Centro"));
    host.addZona(QStringLiteral("02"), QStringLiteral("Este"));
    host.addVendedor(QStringLiteral("C01"), QStringLiteral("Carlos Ruiz"), true);
    host.addVendedor(QStringLiteral("AB12"), QStringLiteral("Pedro Páez"), true);
    host.addVendedor(QStringLiteral("V01"), QStringLiteral("Ana Pérez"));
    host.addVendedor(QStringLiteral("V02"), QStringLiteral("Luis Gómez"));
    host.addCliente(QStringLiteral("CL1"), QStringLiteral("Bodega Centro"), QStringLiteral("01"), QStringLiteral("V01"));
    host.addCliente(QStringLiteral("CL2"), QStringLiteral("Comercial Este"), QStringLiteral("02"), QStringLiteral("V02"));
    host.addCliente(QStringLiteral("CL3"), QStringLiteral("Abasto Norte"), QStringLiteral("01"), QStringLiteral("V02"));
    host.addItem(QStringLiteral("IT1"), QStringLiteral("Saco de harina"), 2.5);

    const qint32 a1 = host.addFactura("A", 1, "CL1", "Bodega Centro", 100.0, 16.0, 1.0, day(3, 1));
    const qint32 a2 = host.addFactura("A", 2, "CL2", "Comercial Este", 200.0, 32.0, 2.0, day(3, 2));
    const qint32 b7 = host.addFactura("B", 7, "CL3", "Abasto Norte", 40.0, 6.4, 0.0, day(3, 3));
    host.addFactura("A", 3, "CLX", "Cliente Borrado", 10.0, 1.6, 1.0, day(3, 1));
    host.addFactura("A", 4, "CL1", "Bodega Centro", 10.0, 1.6, 1.0, day(3, 1), true);
    const qint32 a5 = host.addFactura("A", 5, "CL1", "Bodega Centro", 10.0, 1.6, 1.0, day(3, 1));
    const qint32 a9 = host.addFactura("A", 9, "CL2", "Comercial Este", 1000.0, 160.0, 1.0, day(2, 28));
    host.addMovimiento(a1, "IT1", 4.0);
    host.addMovimiento(a2, "IT1", 2.0, 1.0);
    host.exec(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                             "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C01', 0, '2024-03-01 00:00:00', "
                             "'OPERADOR', 1, 0, 10, 1.6, '', '01')"));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, ?)"), {a5});
    facturas = {a9, a1, a2, b7};

    camion = host.addTipoVehiculo(QStringLiteral("Camión"));
    furgoneta = host.addTipoVehiculo(QStringLiteral("Furgoneta"));
    vehiculoConocido = host.addVehiculo(camion, "ABC1234", "FORD", "CARGO", "ROJO", "1FDXK84A5KVA12345", "M-1", 2015);
}

SelectDialogTest::~SelectDialogTest()
{
    dialog.reset();
    vontarelis::gHost = nullptr;
    vontarelis::gEmpresa.reset();
    vontarelis::gTemaUI.reset();
}

void SelectDialogTest::open(host::IFramework *framework)
{
    vontarelis::InitHostContext(framework ? *framework : host.framework());
    dialog = std::make_unique<vontarelis::frmSelectFacturas>();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    control(QStringLiteral("conductor"))->setFocus();
    QCoreApplication::processEvents();
}

void SelectDialogTest::stopTimer()
{
    auto *timer = dialog->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(std::pair(timer->interval(), timer->isActive()), std::pair(5000, true));
    timer->stop();
}

QWidget *SelectDialogTest::focused() const
{
    return QApplication::focusWidget();
}

QString SelectDialogTest::hint() const
{
    return control<toolkit::StatusBar>(QStringLiteral("StatusBar1"))->Panels(1)->text();
}

void SelectDialogTest::fill(const QString &field, const QString &text)
{
    testinput::click(control(field));
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    type(text);
    key(Qt::Key_Tab);
}

void SelectDialogTest::pick(const QString &list, const QString &item)
{
    auto *combo = control<QComboBox>(list);
    testinput::click(combo);
    if (QWidget *popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    if (focused() != combo)
        return;
    key(Qt::Key_Home);
    for (int i = 0; i < combo->findText(item); ++i)
        key(Qt::Key_Down);
}

void SelectDialogTest::click(const QString &name, Qt::MouseButton button)
{
    testinput::click(control(name), button);
}

void SelectDialogTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focused(), key, modifiers);
}

void SelectDialogTest::type(const QString &text)
{
    for (const QChar c : text) {
        // QTest knows keys for Latin-1 only; other letters arrive as a key that only carries its text.
        if (c.unicode() < 0x80 && c.isPrint())
            QTest::keyClick(focused(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

toolkit::FlexGrid &SelectDialogTest::grid() const
{
    return *control<toolkit::FlexGrid>(QStringLiteral("detalles"));
}

void SelectDialogTest::clickRow(int row, Qt::MouseButton button)
{
    toolkit::FlexGrid &g = grid();
    const QRect cell = g.visualRect(g.model()->index(row - g.FixedRows(), 2));
    testinput::click(g.viewport(), cell.center(), button);
}

QStringList SelectDialogTest::column(int col) const
{
    QStringList texts;
    for (int row = grid().FixedRows(); row < grid().Rows(); ++row)
        texts << grid().TextMatrix(row, col);
    return texts;
}

QStringList SelectDialogTest::totals() const
{
    QStringList texts;
    for (const char *name : {"lblqFacturas", "lblPesoSel", "lblValorSel"})
        texts << control<QLabel>(QString::fromLatin1(name))->text();
    return texts;
}

QList<QVariantList> SelectDialogTest::rows(const QString &sql, const QVariantList &parameters)
{
    QList<QVariantList> result;
    for (auto rs = host.framework().OpenRecordsetA(sql, parameters); !rs->Eof(); rs->MoveNext()) {
        QVariantList row;
        for (int i = 0; i < rs->FieldCount(); ++i)
            row << rs->Fields(i);
        result << row;
    }
    return result;
}

QList<QVariantList> SelectDialogTest::stored()
{
    return rows(QStringLiteral("SELECT * FROM gdVontarelis ORDER BY id"))
           + rows(QStringLiteral("SELECT * FROM gdFacturasGuia ORDER BY idGuia, NumeroFactura"))
           + rows(QStringLiteral("SELECT * FROM gdVehiculos ORDER BY id"));
}

QStringList SelectDialogTest::entries() const
{
    QStringList texts;
    for (const char *name : {"conductor", "vendedor"}) {
        const auto *box = control<toolkit::CodeLookupBox>(QString::fromLatin1(name));
        texts << box->text() << box->tag();
    }
    for (const char *name : {"placasVehiculo", "serialNIV", "anho", "marca", "modelo", "colorVehiculo"})
        texts << control<QLineEdit>(QString::fromLatin1(name))->text();
    for (const char *name : {"cbTipoVehiculo", "cbZonaDespacho"})
        texts << control<QComboBox>(QString::fromLatin1(name))->currentText();
    texts << QString::number(control<QCheckBox>(QStringLiteral("chkFiltrarZona"))->isChecked());
    return texts + column(4) + totals();
}

void SelectDialogTest::whenMenuShown(int index)
{
    auto *menu = control<QMenu>(QStringLiteral("mnuPopup"));
    QObject::connect(
        menu, &QMenu::aboutToShow, menu,
        [this, menu, index] {
            ++m_menusShown;
            QTimer::singleShot(0, menu, [menu, index] {
                EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
                if (index < 0)
                    QTest::keyClick(menu, Qt::Key_Escape);
                else
                    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                                      menu->actionGeometry(menu->actions().at(index)).center());
            });
        },
        Qt::SingleShotConnection);
}

void SelectDialogTest::enterDriverAndKnownVehicle()
{
    fill(QStringLiteral("conductor"), QStringLiteral("C01"));
    fill(QStringLiteral("placasVehiculo"), QStringLiteral("abc1234"));
}

void SelectDialogTest::enterNewVehicle(const QString &placa)
{
    utilities->answer(true);
    fill(QStringLiteral("placasVehiculo"), placa);
    // The focus follows the tab order through every vehicle field.
    key(Qt::Key_Home);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    for (const char *text : {"9bwzzz377vt004251", "2020", "iveco", "daily", "blanco"}) {
        key(Qt::Key_A, Qt::ControlModifier);
        type(QString::fromLatin1(text));
        key(Qt::Key_Tab);
    }
}

} // namespace selecttest
