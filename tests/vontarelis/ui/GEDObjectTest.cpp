#include "support/ScriptedCommonUtilities.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/Raised.h"
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

using testerrors::raised;
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
    T *control(const char *name) const { return form->findChild<T *>(QLatin1String(name)); }
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
        EXPECT_TRUE(editor->hasFocus()) << editor->objectName().toStdString() << " does not have the focus";
        QTest::keyClicks(editor, text);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(QApplication::focusWidget(), key, mods); }
    QWidget *openEditor() const
    {
        for (const char *name : {"txtCodigo", "txtDescripcion", "txtCantidad", "txtPrecio"})
            if (control<QWidget>(name)->isVisible())
                return control<QWidget>(name);
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
    EXPECT_LE((codigo->pos() + QPoint(0, 1) - f.cellRect(1, 0).topLeft()).manhattanLength(), 2)
        << "the editor lies over the cell";
    EXPECT_EQ(codigo->width(), f.grid->columnWidth(0));
    for (const auto &[editor, text] : {std::pair("txtCodigo", "tor-8"), std::pair("txtDescripcion", "Tornillo 8 mm"),
                                       std::pair("txtCantidad", "4"), std::pair("txtPrecio", "2.5")}) {
        ASSERT_EQ(f.openEditor(), f.control<QWidget>(editor));
        f.type(f.openEditor(), QString::fromUtf8(text));
        EXPECT_EQ(mayAdd.count(), 0);
        f.key(Qt::Key_Return);
    }
    ASSERT_EQ(mayAdd.count(), 1);
    EXPECT_EQ(mayAdd.at(0).at(1).toInt(), 2) << "asked with the row number to come";
    EXPECT_EQ(std::pair(f.grid->Rows(), filled.count()), std::pair(3, qsizetype(1)));
    EXPECT_EQ(f.rowTexts(1), QStringList({"TOR-8", "Tornillo 8 mm", "4", "2.5", "10.00"}));
    EXPECT_EQ(f.rowTexts(2), QStringList({"", "", "1", "", ""})) << "the form filled the new row";
    EXPECT_EQ(f.control<QLabel>("lblTotal")->text().toStdString(), "Total: 10.00");
    EXPECT_EQ(std::tuple(f.grid->Row(), f.grid->Col(), f.openEditor(), codigo->hasFocus(), codigo->text()),
              std::tuple(2, 0, static_cast<QWidget *>(codigo), true, QString()));
    EXPECT_TRUE(f.form->isVisible()) << "Enter never reached a button";

    // Enter through a row that names nothing: MayAddRow refuses and no row is added.
    for (int col = 0; col < 4; ++col)
        f.key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(mayAdd.count(), f.grid->Rows(), f.grid->Row()), std::tuple(2, 3, 2));
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
    EXPECT_EQ(std::pair(f.grid->Col(), f.openEditor()), std::pair(2, static_cast<QWidget *>(cantidad)));

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
    ASSERT_EQ(std::tuple(mayDelete.count(), deleted.count(), f.grid->Rows()), std::tuple(1, 1, 2))
        << "the only data row stays";
    EXPECT_EQ(f.rowTexts(1), QStringList(5, QString()));
    EXPECT_EQ(deleted.at(0).at(1).toInt(), 1);
    EXPECT_EQ(f.openEditor(), f.control("txtCodigo")) << "the editor opens on column 0";

    f.form->editor()->GED_Clear();
    f.grid->setRows(4);
    for (int row = 1; row < 4; ++row)
        f.grid->setTextMatrix(row, 0, QString(QChar('A' + row - 1)));
    f.clickCell(2, 1);
    f.key(Qt::Key_Backspace, Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(f.grid->Rows(), f.cell(1, 0) + f.cell(2, 0), f.grid->Row(), deleted.count()),
              std::tuple(3, std::string("AC"), 2, 2));

    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);
    EXPECT_EQ(codigo->text(), QStringLiteral("C"));
    codigo->end(false);
    f.key(Qt::Key_Backspace);
    EXPECT_EQ(std::pair(codigo->text(), f.grid->Rows()), std::pair(QString(), 3)) << "plain Backspace is the text's";
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
    EXPECT_EQ(std::tuple(descripcion->isVisible(), f.cell(1, 1), validations.count()),
              std::tuple(false, "Tuerca", validated));
    EXPECT_EQ(std::pair(f.form->result(), f.form->isVisible()), std::pair(int(QDialog::Rejected), false));
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
            const QPoint border(header->sectionViewportPosition(col) + header->sectionSize(col) - 1,
                                header->height() / 2);
            testinput::press(header->viewport(), border);
            testinput::move(header->viewport(), border + QPoint(by, 0));
            testinput::release(header->viewport(), border + QPoint(by, 0));
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
        EXPECT_EQ(std::tuple(f.grid->ColWidth(1), f.grid->ColWidth(2), widthChanges.count()),
                  std::tuple(GEDObject::SpringBackWidth, keptWidth, 2));
        EXPECT_EQ(std::pair(stored("1"), stored("2")), std::pair(QString(), QString::number(keptWidth)));
        EXPECT_EQ(f.control<QWidget>("txtCantidad")->width(), toolkit::Twips::toPixelsX(keptWidth))
            << "the column's control follows its width";
    }
    ArticlesForm again(application);
    EXPECT_EQ(std::pair(again.grid->ColWidth(1), again.grid->ColWidth(2)), std::pair(descriptionDefault, keptWidth));
}

TEST(GEDObjectTest, RowHighlightingFollowsTheSwitch)
{
    const auto setSwitch = [](bool on) {
        vontarelis::UserSettings::save("QRN", "CONFIG", "GEDITMarcarLinea", on ? "True" : "False");
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
        EXPECT_EQ(QList<QStringList>({f.rowColours(1), f.rowColours(2), f.rowColours(3)}),
                  QList<QStringList>({plain, marked, plain}))
            << "the row left behind gets its colours back";
        EXPECT_EQ(std::pair(f.grid->Row(), f.grid->Col()), std::pair(2, 2)) << "painting puts the current cell back";
        // The row that moves up into the deleted one's place is a new row to mark.
        f.key(Qt::Key_Backspace, Qt::ControlModifier);
        EXPECT_EQ(f.grid->Rows(), 3);
        EXPECT_EQ(QList<QStringList>({f.rowColours(1), f.rowColours(2)}), QList<QStringList>({plain, marked}));
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
    EXPECT_EQ(std::pair(f.grid->Row(), f.grid->RowIsVisible(lastVisible + 1)), std::pair(lastVisible + 1, true));
    ASSERT_EQ(f.openEditor(), f.control("txtDescripcion"));
    EXPECT_NEAR(f.openEditor()->y(), f.cellRect(lastVisible + 1, 1).y() - 1, 1);

    f.form->editor()->GED_Clear();
    EXPECT_EQ(std::tuple(f.grid->Rows(), f.cell(1, 0), f.openEditor()), std::tuple(2, "", nullptr));
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
    const auto reports = [&] {
        QStringList texts;
        for (const auto &error : f.utilities->errors)
            texts << error.source + u'|' + error.description;
        return texts;
    };
    // The grid's own notification: the click reaches the guard, the grid's click opens the editor.
    const auto rowChanged = QObject::connect(f.form->editor(), &GEDObject::RowChanged, failOnce);
    f.clickCell(1, 0);
    QObject::disconnect(rowChanged);
    EXPECT_EQ(reports(), QStringList{"GEDObject::EnterCell|Se perdió la conexión"});
    auto *codigo = f.control("txtCodigo");
    ASSERT_EQ(f.openEditor(), codigo);

    // A key forwarded by the form: the refused step keeps the editor, the next Enter moves on.
    failures = 0;
    QObject::connect(f.form->editor(), &GEDObject::ValidateCell,
                     [&](toolkit::FlexGrid *, qint32, qint32, bool &) { failOnce(); });
    f.type(codigo, QStringLiteral("tor-8"));
    f.key(Qt::Key_Return);
    ASSERT_EQ(reports().size(), 2);
    EXPECT_EQ(reports().at(1), "frmEditarArticulos::txtCodigo_KeyDown|Se perdió la conexión");
    EXPECT_EQ(std::pair(f.openEditor(), f.form->isVisible()), std::pair(static_cast<QWidget *>(codigo), true));
    f.key(Qt::Key_Return);
    EXPECT_EQ(std::pair(f.openEditor(), f.cell(1, 0)),
              std::pair(f.control<QWidget>("txtDescripcion"), std::string("TOR-8")));
    EXPECT_EQ(reports().size(), 2);
}

TEST(GEDObjectTest, WithoutAGridEveryOperationRaisesAnErrorInsteadOfCrashing)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    QWidget form;
    QLineEdit control(&form);
    const auto everyOperation = [&](GEDObject &ged) {
        EXPECT_EQ(raised([&] { ged.SumaColumna(1); }).number(), 91) << "SumaColumna";
        EXPECT_EQ(raised([&] { ged.isEmpty(1); }).number(), 91) << "isEmpty";
        EXPECT_EQ(raised([&] { ged.CleanRow(1); }).number(), 91) << "CleanRow";
        EXPECT_EQ(raised([&] { ged.ChangeControl(1, &control); }).number(), 91) << "ChangeControl";
        EXPECT_EQ(raised([&] { ged.GED_Clear(); }).number(), 91) << "GED_Clear";
    };
    GEDObject unbound;
    everyOperation(unbound);
    EXPECT_EQ(raised([&] { unbound.init(&form, nullptr); }).number(), 91) << "init";

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
