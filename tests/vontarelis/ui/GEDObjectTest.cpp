#include "support/ScriptedCommonUtilities.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/NumericBox.h"
#include "toolkit/Twips.h"
#include "toolkit/WindowInput.h"
#include "vontarelis/data/UserSettings.h"
#include "vontarelis/ui/GEDObject.h"
#include "vontarelis/ui/frmEditarArticulos.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using vontarelis::frmEditarArticulos;
using vontarelis::GEDObject;

namespace {

const QString WidthsSection = QStringLiteral("Grids\\frmEditarArticulos\\grdArticulos");

// The items form on screen, with the editor's millisecond tick under the test's control.
class ArticlesForm
{
public:
    explicit ArticlesForm(testsupport::ScriptedCommonUtilities &utilities, const QString &application = QStringLiteral("Marbelisto"))
    {
        utilities.setApplicationName(application);
        form = std::make_unique<frmEditarArticulos>();
        form->editor()->setTickSource([this] { return now; });
        grid = form->grid();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template<typename T = QLineEdit>
    T *control(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    QPoint cellCentre(int row, int col) const
    {
        return grid->visualRect(grid->model()->index(row - grid->FixedRows(), col - grid->FixedCols())).center();
    }
    void clickCell(int row, int col) { testinput::click(grid->viewport(), cellCentre(row, col)); }
    // Time passes, as it does between a person's actions.
    void later(qint64 ms = 100) { now += ms; }
    void type(QWidget *editor, const QString &text)
    {
        ASSERT_TRUE(editor->hasFocus()) << editor->objectName().toStdString() << " does not have the focus";
        QTest::keyClicks(editor, text);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QWidget *openEditor() const
    {
        for (const char *name : {"txtCodigo", "txtDescripcion", "txtCantidad", "txtPrecio"}) {
            auto *editor = control<QWidget>(name);
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }
    std::string cell(int row, int col) const { return grid->TextMatrix(row, col).toStdString(); }

    qint64 now = 1000000;
    std::unique_ptr<frmEditarArticulos> form;
    toolkit::FlexGrid *grid = nullptr;
};

} // namespace

TEST(GEDObjectTest, EnterWalksTheEditableColumnsAndOnTheLastOneAsksMayAddRowBeforeAddingARow)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    QSignalSpy mayAdd(f.form->editor(), &GEDObject::MayAddRow);
    QSignalSpy filled(f.form->editor(), &GEDObject::FillNewRow);

    f.clickCell(1, 0);
    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);
    const QRect cell = f.grid->visualRect(f.grid->model()->index(0, 0)).translated(f.grid->viewport()->mapTo(f.form.get(), QPoint()));
    EXPECT_NEAR(codigo->x(), cell.x(), 1) << "the editor lies over the cell";
    EXPECT_NEAR(codigo->y(), cell.y() - 1, 1);
    EXPECT_EQ(codigo->width(), f.grid->columnWidth(0));

    f.type(codigo, QStringLiteral("tor-8"));
    f.key(Qt::Key_Return);
    EXPECT_EQ(f.cell(1, 0), "TOR-8");
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion"));
    f.type(f.openEditor(), QStringLiteral("Tornillo 8 mm"));
    f.key(Qt::Key_Return);
    f.type(f.openEditor(), QStringLiteral("4"));
    f.key(Qt::Key_Return);
    ASSERT_EQ(f.openEditor(), f.control("txtPrecio"));
    f.type(f.openEditor(), QStringLiteral("2.5"));
    EXPECT_EQ(mayAdd.count(), 0);
    f.key(Qt::Key_Return);

    ASSERT_EQ(mayAdd.count(), 1);
    EXPECT_EQ(mayAdd.at(0).at(1).toInt(), 2) << "asked with the row number to come";
    EXPECT_EQ(f.grid->Rows(), 3);
    ASSERT_EQ(filled.count(), 1);
    EXPECT_EQ(f.cell(2, 2), "1") << "the form filled the new row";
    EXPECT_EQ(f.cell(1, 4), "10.00");
    EXPECT_EQ(f.control<QLabel>("lblTotal")->text().toStdString(), "Total: 10.00");
    EXPECT_EQ(f.grid->Row(), 2);
    EXPECT_EQ(f.grid->Col(), 0);
    EXPECT_EQ(f.openEditor(), codigo);
    EXPECT_TRUE(codigo->hasFocus());
    EXPECT_TRUE(codigo->text().isEmpty());
    EXPECT_TRUE(f.form->isVisible()) << "Enter never reached a button";

    // Enter through a row that names nothing: MayAddRow refuses and no row is added.
    for (int col = 0; col < 4; ++col)
        f.key(Qt::Key_Return);
    EXPECT_EQ(mayAdd.count(), 2);
    EXPECT_EQ(f.grid->Rows(), 3);
    EXPECT_EQ(f.grid->Row(), 2);
    EXPECT_EQ(f.openEditor(), f.control("txtPrecio"));
    EXPECT_TRUE(utilities->messages.isEmpty());
}

TEST(GEDObjectTest, ARefusedCellKeepsTheEditorAndItsText)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    f.clickCell(1, 2);
    auto *cantidad = f.control<toolkit::NumericBox>("txtCantidad");
    ASSERT_EQ(f.openEditor(), cantidad);
    f.type(cantidad, QStringLiteral("-3"));
    f.key(Qt::Key_Return);
    EXPECT_EQ(utilities->messages, QStringList{QStringLiteral("La cantidad debe ser mayor que cero")});
    EXPECT_EQ(f.openEditor(), cantidad);
    EXPECT_TRUE(cantidad->hasFocus());
    EXPECT_EQ(f.cell(1, 2), "-3") << "the text stays in the cell";

    // Nor does a click on another cell leave it.
    f.later();
    f.clickCell(1, 1);
    EXPECT_EQ(f.grid->Col(), 2);
    EXPECT_EQ(f.openEditor(), cantidad);

    cantidad->selectAll();
    f.type(cantidad, QStringLiteral("2"));
    f.key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.cell(1, 2), "2");
    EXPECT_EQ(f.openEditor(), f.control("txtPrecio"));
    f.key(Qt::Key_Left, Qt::ShiftModifier);
    f.key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion"));
    f.key(Qt::Key_Left);
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion")) << "without a modifier the arrow stays in the text";
}

TEST(GEDObjectTest, ModifierBackspaceEmptiesTheOnlyDataRowAndRemovesOthers)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    QSignalSpy deleted(f.form->editor(), &GEDObject::RowDeleted);
    QSignalSpy mayDelete(f.form->editor(), &GEDObject::MayDeleteRow);
    for (int col = 0; col < 5; ++col)
        f.grid->setTextMatrix(1, col, QStringLiteral("x%1").arg(col));

    f.clickCell(1, 1);
    f.key(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(mayDelete.count(), 1);
    EXPECT_EQ(f.grid->Rows(), 2) << "the only data row stays";
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(f.cell(1, col), "") << col;
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(f.openEditor(), f.control("txtCodigo")) << "the editor opens on column 0";

    f.form->editor()->GED_Clear();
    f.grid->setRows(4);
    f.grid->setTextMatrix(1, 0, QStringLiteral("A"));
    f.grid->setTextMatrix(2, 0, QStringLiteral("B"));
    f.grid->setTextMatrix(3, 0, QStringLiteral("C"));
    f.later();
    f.clickCell(2, 1);
    f.key(Qt::Key_Backspace, Qt::ShiftModifier);
    EXPECT_EQ(f.grid->Rows(), 3);
    EXPECT_EQ(f.cell(1, 0), "A");
    EXPECT_EQ(f.cell(2, 0), "C");
    EXPECT_EQ(f.grid->Row(), 2);
    EXPECT_EQ(deleted.count(), 2);

    // A plain Backspace belongs to the text.
    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);
    EXPECT_EQ(codigo->text(), QStringLiteral("C"));
    codigo->end(false);
    f.key(Qt::Key_Backspace);
    EXPECT_EQ(codigo->text(), QString());
    EXPECT_EQ(f.grid->Rows(), 3);
}

TEST(GEDObjectTest, CancelarHidesTheEditorWithoutWritingItsText)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    f.grid->setTextMatrix(1, 1, QStringLiteral("Arandela"));
    QSignalSpy validations(f.form->editor(), &GEDObject::ValidateCell);

    f.clickCell(1, 1);
    auto *descripcion = f.control("txtDescripcion");
    descripcion->selectAll();
    f.type(descripcion, QStringLiteral("Cambio que no se guarda"));
    f.later();
    testinput::click(f.control<QPushButton>("cbCancelar"));

    EXPECT_FALSE(descripcion->isVisible());
    EXPECT_EQ(f.cell(1, 1), "Arandela");
    EXPECT_EQ(validations.count(), 0);
    EXPECT_EQ(f.form->result(), QDialog::Rejected);
    EXPECT_FALSE(f.form->isVisible());
}

TEST(GEDObjectTest, AFocusLossWithin40MsOfTheEditorTakingTheFocusIsIgnored)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    auto *referencia = f.control("txtReferencia");

    f.clickCell(1, 1);
    auto *descripcion = f.control("txtDescripcion");
    f.type(descripcion, QStringLiteral("Tuerca"));
    f.later(GEDObject::FocusGuardMs - 1);
    testinput::click(referencia);
    EXPECT_TRUE(referencia->hasFocus());
    EXPECT_TRUE(descripcion->isVisible()) << "the loss came too soon after the editor took the focus";
    EXPECT_EQ(f.cell(1, 1), "");

    testinput::click(descripcion);
    f.later(GEDObject::FocusGuardMs);
    testinput::click(referencia);
    EXPECT_FALSE(descripcion->isVisible());
    EXPECT_EQ(f.cell(1, 1), "Tuerca");
}

TEST(GEDObjectTest, NarrowWidthsSpringBackAndKeptWidthsReturnWithTheNextRegistration)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const QString application = QStringLiteral("MarbelistoAnchos");
    qint32 keptWidth = 0;
    qint32 descriptionDefault = 0;
    {
        ArticlesForm f(*utilities, application);
        descriptionDefault = f.grid->ColWidth(1);
        QSignalSpy widthChanges(f.form->editor(), &GEDObject::colWidthChange);
        QHeaderView *header = f.grid->horizontalHeader();
        const auto drag = [&](int col, int by) {
            const int border = header->sectionViewportPosition(col) + header->sectionSize(col) - 1;
            const int y = header->height() / 2;
            testinput::press(header->viewport(), QPoint(border, y));
            testinput::move(header->viewport(), QPoint(border + by, y));
            testinput::release(header->viewport(), QPoint(border + by, y));
        };
        drag(2, 60);
        drag(1, -(header->sectionSize(1) - 5));
        ASSERT_LT(f.grid->ColWidth(1), GEDObject::MinimumKeptWidth) << "the drag did not narrow the column";
        ASSERT_GT(f.grid->ColWidth(1), 0);
        keptWidth = f.grid->ColWidth(2);

        f.clickCell(1, 0);
        f.later();
        testinput::click(f.control("txtReferencia"));

        EXPECT_EQ(f.grid->ColWidth(1), GEDObject::SpringBackWidth);
        EXPECT_EQ(f.grid->ColWidth(2), keptWidth);
        EXPECT_EQ(widthChanges.count(), 2);
        EXPECT_EQ(vontarelis::UserSettings::get(application, WidthsSection, QStringLiteral("1"), QString()), QString());
        EXPECT_EQ(vontarelis::UserSettings::get(application, WidthsSection, QStringLiteral("2"), QString()),
                  QString::number(keptWidth));
        EXPECT_EQ(f.control<QWidget>("txtCantidad")->width(), toolkit::Twips::toPixelsX(keptWidth))
            << "the column's control follows its width";
    }
    ArticlesForm again(*utilities, application);
    EXPECT_EQ(again.grid->ColWidth(2), keptWidth);
    EXPECT_EQ(again.grid->ColWidth(1), descriptionDefault);
}

TEST(GEDObjectTest, RowHighlightingFollowsTheSwitch)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const auto backgrounds = [](toolkit::FlexGrid *grid) {
        QStringList colours;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            for (int col = 0; col < grid->model()->columnCount(); ++col) {
                const QVariant brush = grid->model()->index(row, col).data(Qt::BackgroundRole);
                colours << (brush.isValid() ? brush.value<QBrush>().color().name() : QStringLiteral("-"));
            }
        return colours;
    };
    {
        ArticlesForm f(*utilities);
        f.grid->setRows(4);
        const QStringList untouched = backgrounds(f.grid);
        f.clickCell(1, 0);
        f.later();
        f.key(Qt::Key_Down);
        f.later();
        f.clickCell(3, 1);
        EXPECT_EQ(f.grid->Row(), 3);
        EXPECT_EQ(backgrounds(f.grid), untouched) << "with the switch off no colour ever changes";
    }

    vontarelis::UserSettings::save(QStringLiteral("QRN"), QStringLiteral("CONFIG"), QStringLiteral("GEDITMarcarLinea"),
                                   QStringLiteral("True"));
    {
        ArticlesForm f(*utilities);
        f.grid->setRows(4);
        const auto colourAt = [&](int row, int col) {
            const QVariant brush = f.grid->model()->index(row - 1, col).data(Qt::BackgroundRole);
            return brush.isValid() ? brush.value<QBrush>().color() : QColor();
        };
        f.clickCell(1, 0);
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(colourAt(1, col), f.grid->BackColorSel()) << col;
        f.later();
        f.clickCell(3, 2);
        EXPECT_EQ(colourAt(3, 4), f.grid->BackColorSel());
        EXPECT_FALSE(colourAt(1, 0).isValid()) << "the row left behind gets its colours back";
        EXPECT_FALSE(colourAt(2, 0).isValid());
        EXPECT_EQ(f.grid->Row(), 3);
        EXPECT_EQ(f.grid->Col(), 2) << "painting puts the current cell back";

        f.key(Qt::Key_Backspace, Qt::ControlModifier);
        EXPECT_EQ(f.grid->Rows(), 3);
        EXPECT_EQ(colourAt(2, 0), f.grid->BackColorSel()) << "after a deletion the current row is marked afresh";
        EXPECT_FALSE(colourAt(1, 0).isValid());
    }
    vontarelis::UserSettings::save(QStringLiteral("QRN"), QStringLiteral("CONFIG"), QStringLiteral("GEDITMarcarLinea"),
                                   QStringLiteral("False"));
}

TEST(GEDObjectTest, ScrollingHidesTheEditorAndClearingLeavesOneEmptyRow)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    ArticlesForm f(*utilities);
    f.grid->setRows(60);
    for (int row = 1; row < 60; ++row) {
        f.grid->setTextMatrix(row, 0, QStringLiteral("C%1").arg(row));
        f.grid->setTextMatrix(row, 2, QStringLiteral("1"));
    }
    QSignalSpy leftCol(f.form->editor(), &GEDObject::leftColChange);

    f.clickCell(2, 1);
    ASSERT_NE(f.openEditor(), nullptr);
    f.grid->setTopRow(30);
    EXPECT_EQ(f.openEditor(), nullptr);
    EXPECT_GE(leftCol.count(), 1);

    // Down from the last visible row scrolls until the new row shows and opens the editor there.
    f.grid->setTopRow(1);
    f.later();
    int lastVisible = 1;
    while (f.grid->RowIsVisible(lastVisible + 1))
        ++lastVisible;
    f.clickCell(lastVisible, 1);
    f.later();
    f.key(Qt::Key_Down);
    EXPECT_EQ(f.grid->Row(), lastVisible + 1);
    EXPECT_TRUE(f.grid->RowIsVisible(lastVisible + 1));
    ASSERT_EQ(f.openEditor(), f.control("txtDescripcion"));
    const QRect cell = f.grid->visualRect(f.grid->model()->index(lastVisible, 1)).translated(f.grid->viewport()->mapTo(f.form.get(), QPoint()));
    EXPECT_NEAR(f.openEditor()->y(), cell.y() - 1, 1);

    f.form->editor()->GED_Clear();
    EXPECT_EQ(f.grid->Rows(), 2);
    EXPECT_EQ(f.cell(1, 0), "");
    EXPECT_EQ(f.openEditor(), nullptr);
    f.later();
    f.clickCell(1, 3);
    EXPECT_EQ(f.openEditor(), f.control("txtPrecio"));

    f.form->editor()->deActivate();
    EXPECT_EQ(f.openEditor(), nullptr);
    f.later();
    f.clickCell(1, 1);
    EXPECT_EQ(f.openEditor(), nullptr) << "a switched-off editor ignores the grid";
    f.form->editor()->activate();
    f.later();
    f.clickCell(1, 0);
    EXPECT_EQ(f.openEditor(), f.control("txtCodigo"));
}
