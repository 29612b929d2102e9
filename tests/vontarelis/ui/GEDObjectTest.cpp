#include "support/ScriptedCommonUtilities.h"
#include "toolkit/Error.h"
#include "toolkit/FlexGrid.h"
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

#include <functional>
#include <memory>

using vontarelis::frmEditarArticulos;
using vontarelis::GEDObject;

namespace {

// The items form on screen, with scripted messages and the editor's millisecond tick under the
// test's control.
struct ArticlesForm
{
    explicit ArticlesForm(const QString &application = QStringLiteral("Marbelisto"))
    {
        utilities->setApplicationName(application);
        form = std::make_unique<frmEditarArticulos>();
        grid = form->grid();
        form->editor()->setTickSource([this] { return now; });
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template<typename T = QLineEdit>
    T *control(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    // A cell's rectangle in the form's coordinates.
    QRect cellRect(int row, int col) const
    {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, col));
        return cell.translated(grid->viewport()->mapTo(form.get(), QPoint()));
    }
    // Time passes, as it does between a person's actions.
    void later(qint64 ms = 100) { now += ms; }
    void clickCell(int row, int col)
    {
        later();
        testinput::click(grid->viewport(), grid->visualRect(grid->model()->index(row - 1, col)).center());
    }
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
            if (control<QWidget>(name)->isVisible())
                return control<QWidget>(name);
        }
        return nullptr;
    }
    std::string cell(int row, int col) const { return grid->TextMatrix(row, col).toStdString(); }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int col = 0; col < grid->Cols(); ++col)
            texts << grid->TextMatrix(row, col);
        return texts;
    }
    // The background of each cell of a row: a colour name, or "-" for the grid's own.
    QStringList rowColours(int row) const
    {
        QStringList colours;
        for (int col = 0; col < grid->Cols(); ++col) {
            const QVariant brush = grid->model()->index(row - 1, col).data(Qt::BackgroundRole);
            colours << (brush.isValid() ? brush.value<QBrush>().color().name() : QStringLiteral("-"));
        }
        return colours;
    }

    testsupport::ScriptedCommonUtilitiesScope utilities;
    qint64 now = 1000000;
    std::unique_ptr<frmEditarArticulos> form;
    toolkit::FlexGrid *grid = nullptr;
};

} // namespace

TEST(GEDObjectTest, EnterWalksTheEditableColumnsAndMayAddRowGuardsNewRowsWhileRefusedCellsHoldTheEditor)
{
    ArticlesForm f;
    QSignalSpy mayAdd(f.form->editor(), &GEDObject::MayAddRow);
    QSignalSpy filled(f.form->editor(), &GEDObject::FillNewRow);

    f.clickCell(1, 0);
    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);
    EXPECT_NEAR(codigo->x(), f.cellRect(1, 0).x(), 1) << "the editor lies over the cell";
    EXPECT_NEAR(codigo->y(), f.cellRect(1, 0).y() - 1, 1);
    EXPECT_EQ(codigo->width(), f.grid->columnWidth(0));
    const std::pair<const char *, QString> typing[] = {{"txtCodigo", QStringLiteral("tor-8")},
                                                       {"txtDescripcion", QStringLiteral("Tornillo 8 mm")},
                                                       {"txtCantidad", QStringLiteral("4")},
                                                       {"txtPrecio", QStringLiteral("2.5")}};
    for (const auto &[editor, text] : typing) {
        ASSERT_EQ(f.openEditor(), f.control<QWidget>(editor));
        f.type(f.openEditor(), text);
        EXPECT_EQ(mayAdd.count(), 0);
        f.key(Qt::Key_Return);
    }
    ASSERT_EQ(mayAdd.count(), 1);
    EXPECT_EQ(mayAdd.at(0).at(1).toInt(), 2) << "asked with the row number to come";
    EXPECT_EQ(f.grid->Rows(), 3);
    EXPECT_EQ(filled.count(), 1);
    EXPECT_EQ(f.rowTexts(1), QStringList({"TOR-8", "Tornillo 8 mm", "4", "2.5", "10.00"}));
    EXPECT_EQ(f.rowTexts(2), QStringList({"", "", "1", "", ""})) << "the form filled the new row";
    EXPECT_EQ(f.control<QLabel>("lblTotal")->text().toStdString(), "Total: 10.00");
    EXPECT_EQ(std::pair(f.grid->Row(), f.grid->Col()), std::pair(2, 0));
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
    EXPECT_TRUE(f.utilities->messages.isEmpty());

    // A refused cell keeps the editor, the focus and its text, against Enter and a click alike.
    f.key(Qt::Key_Left, Qt::ControlModifier);
    auto *cantidad = f.control("txtCantidad");
    ASSERT_EQ(f.openEditor(), cantidad);
    cantidad->selectAll();
    f.type(cantidad, QStringLiteral("-3"));
    f.key(Qt::Key_Return);
    EXPECT_EQ(f.utilities->messages, QStringList{QStringLiteral("La cantidad debe ser mayor que cero")});
    EXPECT_TRUE(cantidad->hasFocus());
    EXPECT_EQ(f.cell(2, 2), "-3") << "the text stays in the cell";
    f.clickCell(2, 1);
    EXPECT_EQ(f.grid->Col(), 2);
    EXPECT_EQ(f.openEditor(), cantidad);

    cantidad->selectAll();
    f.type(cantidad, QStringLiteral("2"));
    f.key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.cell(2, 2), "2");
    EXPECT_EQ(f.openEditor(), f.control("txtPrecio"));
    f.key(Qt::Key_Left, Qt::ShiftModifier);
    f.key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion"));
    f.key(Qt::Key_Left);
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion")) << "without a modifier the arrow stays in the text";
}

TEST(GEDObjectTest, ModifierBackspaceEmptiesTheOnlyDataRowAndRemovesOthers)
{
    ArticlesForm f;
    QSignalSpy deleted(f.form->editor(), &GEDObject::RowDeleted);
    QSignalSpy mayDelete(f.form->editor(), &GEDObject::MayDeleteRow);
    for (int col = 0; col < 5; ++col)
        f.grid->setTextMatrix(1, col, QStringLiteral("x"));
    f.clickCell(1, 1);
    f.key(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(mayDelete.count(), 1);
    EXPECT_EQ(f.grid->Rows(), 2) << "the only data row stays";
    EXPECT_EQ(f.rowTexts(1), QStringList(5, QString()));
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(f.openEditor(), f.control("txtCodigo")) << "the editor opens on column 0";

    f.form->editor()->GED_Clear();
    f.grid->setRows(4);
    for (int row = 1; row < 4; ++row)
        f.grid->setTextMatrix(row, 0, QString(QChar('A' + row - 1)));
    f.clickCell(2, 1);
    f.key(Qt::Key_Backspace, Qt::ShiftModifier);
    EXPECT_EQ(f.grid->Rows(), 3);
    EXPECT_EQ(f.cell(1, 0) + f.cell(2, 0), "AC");
    EXPECT_EQ(f.grid->Row(), 2);
    EXPECT_EQ(deleted.count(), 2);

    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);
    EXPECT_EQ(codigo->text(), QStringLiteral("C"));
    codigo->end(false);
    f.key(Qt::Key_Backspace);
    EXPECT_EQ(codigo->text(), QString()) << "a plain Backspace belongs to the text";
    EXPECT_EQ(f.grid->Rows(), 3);
}

TEST(GEDObjectTest, AFocusLossCommitsUnlessItComesWithin40MsOrGoesToCancelar)
{
    ArticlesForm f;
    auto *referencia = f.control("txtReferencia");
    auto *descripcion = f.control("txtDescripcion");
    QSignalSpy validations(f.form->editor(), &GEDObject::ValidateCell);

    f.clickCell(1, 1);
    f.type(descripcion, QStringLiteral("Tuerca"));
    f.later(GEDObject::FocusGuardMs - 1);
    testinput::click(referencia);
    EXPECT_TRUE(referencia->hasFocus());
    EXPECT_TRUE(descripcion->isVisible()) << "the loss came too soon after the editor took the focus";
    EXPECT_EQ(f.cell(1, 1), "");
    testinput::click(descripcion);
    f.later(1);
    testinput::click(referencia);
    EXPECT_FALSE(descripcion->isVisible()) << "40 ms after the editor took the focus the loss counts";
    EXPECT_EQ(f.cell(1, 1), "Tuerca");

    f.clickCell(1, 1);
    ASSERT_EQ(f.openEditor(), descripcion);
    descripcion->selectAll();
    f.type(descripcion, QStringLiteral("Cambio que no se guarda"));
    const qsizetype validated = validations.count();
    f.later();
    testinput::click(f.control<QPushButton>("cbCancelar"));
    EXPECT_FALSE(descripcion->isVisible());
    EXPECT_EQ(f.cell(1, 1), "Tuerca");
    EXPECT_EQ(validations.count(), validated);
    EXPECT_EQ(f.form->result(), QDialog::Rejected);
    EXPECT_FALSE(f.form->isVisible());
}

TEST(GEDObjectTest, NarrowWidthsSpringBackAndKeptWidthsReturnWithTheNextRegistration)
{
    const QString application = QStringLiteral("MarbelistoAnchos");
    const auto stored = [&](const char *col) {
        return vontarelis::UserSettings::get(application, QStringLiteral("Grids\\frmEditarArticulos\\grdArticulos"),
                                             QLatin1String(col), QString());
    };
    qint32 keptWidth = 0;
    qint32 descriptionDefault = 0;
    {
        ArticlesForm f(application);
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
        // Just under the narrowest kept width.
        drag(1, toolkit::Twips::toPixelsX(GEDObject::MinimumKeptWidth) - 1 - header->sectionSize(1));
        ASSERT_LT(f.grid->ColWidth(1), GEDObject::MinimumKeptWidth) << "the drag did not narrow the column";
        ASSERT_GT(f.grid->ColWidth(1), 0);
        keptWidth = f.grid->ColWidth(2);

        f.clickCell(1, 0);
        f.later();
        testinput::click(f.control("txtReferencia"));
        EXPECT_EQ(f.grid->ColWidth(1), GEDObject::SpringBackWidth);
        EXPECT_EQ(f.grid->ColWidth(2), keptWidth);
        EXPECT_EQ(widthChanges.count(), 2);
        EXPECT_EQ(stored("1"), QString());
        EXPECT_EQ(stored("2"), QString::number(keptWidth));
        EXPECT_EQ(f.control<QWidget>("txtCantidad")->width(), toolkit::Twips::toPixelsX(keptWidth))
            << "the column's control follows its width";
    }
    ArticlesForm again(application);
    EXPECT_EQ(again.grid->ColWidth(2), keptWidth);
    EXPECT_EQ(again.grid->ColWidth(1), descriptionDefault);
}

TEST(GEDObjectTest, RowHighlightingFollowsTheSwitch)
{
    const auto setSwitch = [](bool on) {
        vontarelis::UserSettings::save(QStringLiteral("QRN"), QStringLiteral("CONFIG"), QStringLiteral("GEDITMarcarLinea"),
                                       on ? QStringLiteral("True") : QStringLiteral("False"));
    };
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "highlighting on" : "highlighting off: no colour ever changes");
        setSwitch(on);
        ArticlesForm f;
        f.grid->setRows(4);
        const QStringList plain(5, QStringLiteral("-"));
        const QStringList marked(5, on ? f.grid->BackColorSel().name() : QStringLiteral("-"));
        f.clickCell(1, 0);
        EXPECT_EQ(f.rowColours(1), marked);
        f.clickCell(2, 2);
        EXPECT_EQ(f.rowColours(2), marked);
        EXPECT_EQ(f.rowColours(1), plain) << "the row left behind gets its colours back";
        EXPECT_EQ(f.rowColours(3), plain);
        EXPECT_EQ(std::pair(f.grid->Row(), f.grid->Col()), std::pair(2, 2)) << "painting puts the current cell back";

        // The row that moves up into the deleted one's place is a new row to mark.
        f.key(Qt::Key_Backspace, Qt::ControlModifier);
        EXPECT_EQ(f.grid->Rows(), 3);
        EXPECT_EQ(f.rowColours(2), marked);
        EXPECT_EQ(f.rowColours(1), plain);
    }
    setSwitch(false);
}

TEST(GEDObjectTest, ScrollingHidesTheEditorClearingLeavesOneEmptyRowAndASwitchedOffEditorIgnoresTheGrid)
{
    ArticlesForm f;
    f.grid->setRows(60);
    f.grid->setTextMatrix(1, 0, QStringLiteral("C1"));
    QSignalSpy leftCol(f.form->editor(), &GEDObject::leftColChange);
    f.clickCell(2, 1);
    ASSERT_NE(f.openEditor(), nullptr);
    f.grid->setTopRow(30);
    EXPECT_EQ(f.openEditor(), nullptr);
    EXPECT_GE(leftCol.count(), 1);

    // Down from the last visible row scrolls until the new row shows and opens the editor there.
    f.grid->setTopRow(1);
    int lastVisible = 1;
    while (f.grid->RowIsVisible(lastVisible + 1))
        ++lastVisible;
    f.clickCell(lastVisible, 1);
    f.later();
    f.key(Qt::Key_Down);
    EXPECT_EQ(f.grid->Row(), lastVisible + 1);
    EXPECT_TRUE(f.grid->RowIsVisible(lastVisible + 1));
    ASSERT_EQ(f.openEditor(), f.control("txtDescripcion"));
    EXPECT_NEAR(f.openEditor()->y(), f.cellRect(lastVisible + 1, 1).y() - 1, 1);

    f.form->editor()->GED_Clear();
    EXPECT_EQ(f.grid->Rows(), 2);
    EXPECT_EQ(f.cell(1, 0), "");
    EXPECT_EQ(f.openEditor(), nullptr);
    f.clickCell(1, 3);
    EXPECT_EQ(f.openEditor(), f.control("txtPrecio"));
    f.form->editor()->deActivate();
    EXPECT_EQ(f.openEditor(), nullptr);
    f.clickCell(1, 1);
    EXPECT_EQ(f.openEditor(), nullptr) << "a switched-off editor ignores the grid";
    f.form->editor()->activate();
    f.clickCell(1, 0);
    EXPECT_EQ(f.openEditor(), f.control("txtCodigo"));
}

TEST(GEDObjectTest, AFailingHandlerIsReportedOnceAndEditingGoesOn)
{
    ArticlesForm f;
    int failures = 0;
    const auto failOnce = [&] {
        if (failures++ == 0)
            throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Se perdió la conexión"));
    };
    // The grid's own notification: the click reaches the guard, the grid's click opens the editor.
    const auto rowChanged = QObject::connect(f.form->editor(), &GEDObject::RowChanged, failOnce);
    f.clickCell(1, 0);
    QObject::disconnect(rowChanged);
    ASSERT_EQ(f.utilities->errors.size(), 1u);
    EXPECT_EQ(f.utilities->errors[0].source, QStringLiteral("GEDObject::EnterCell"));
    EXPECT_EQ(f.utilities->errors[0].description, QStringLiteral("Se perdió la conexión"));
    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);

    // A key forwarded by the form: the refused step keeps the editor, the next Enter moves on.
    failures = 0;
    QObject::connect(f.form->editor(), &GEDObject::ValidateCell,
                     [&](toolkit::FlexGrid *, qint32, qint32, bool &) { failOnce(); });
    f.type(codigo, QStringLiteral("tor-8"));
    f.key(Qt::Key_Return);
    ASSERT_EQ(f.utilities->errors.size(), 2u);
    EXPECT_EQ(f.utilities->errors[1].source, QStringLiteral("frmEditarArticulos::txtCodigo_KeyDown"));
    EXPECT_EQ(f.openEditor(), codigo);
    EXPECT_TRUE(f.form->isVisible());
    f.key(Qt::Key_Return);
    EXPECT_EQ(f.openEditor(), f.control("txtDescripcion"));
    EXPECT_EQ(f.cell(1, 0), "TOR-8");
    EXPECT_EQ(f.utilities->errors.size(), 2u);
}

TEST(GEDObjectTest, WithoutAGridEveryOperationRaisesAnErrorInsteadOfCrashing)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    QWidget form;
    QLineEdit control(&form);
    GEDObject unbound;
    const auto expectNoGrid = [](const char *what, const std::function<void()> &call) {
        SCOPED_TRACE(what);
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const toolkit::Error &error) {
            EXPECT_EQ(error.number(), 91);
        }
    };
    const auto everyOperation = [&](GEDObject &ged) {
        expectNoGrid("SumaColumna", [&] { ged.SumaColumna(1); });
        expectNoGrid("isEmpty", [&] { ged.isEmpty(1); });
        expectNoGrid("CleanRow", [&] { ged.CleanRow(1); });
        expectNoGrid("ChangeControl", [&] { ged.ChangeControl(1, &control); });
        expectNoGrid("GED_Clear", [&] { ged.GED_Clear(); });
    };
    everyOperation(unbound);
    expectNoGrid("init", [&] { unbound.init(&form, nullptr); });

    // A grid that went away leaves the editor without one, too.
    GEDObject orphaned;
    auto grid = std::make_unique<toolkit::FlexGrid>(&form);
    orphaned.init(&form, grid.get(), QStringLiteral("GED"));
    orphaned.AddControl(0, &control);
    grid.reset();
    everyOperation(orphaned);
    qint16 key = 13;
    orphaned.KeyDown(key, 0);
    orphaned.EnterCell();
    orphaned.Scroll();
    EXPECT_EQ(key, 13) << "the notifications of a form without a grid do nothing";
}
