#include "toolkit/Error.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/Twips.h"
#include "toolkit/WindowInput.h"

#include <QAbstractItemModelTester>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using toolkit::FlexAlignment;
using toolkit::FlexGrid;

namespace {

const QString InvoiceFormat = QStringLiteral(
    "Numero de Factura|Fecha            |Cliente                                                                                     "
    "|Valor total      |^Incluir   |||||");

// A shown dialog holding one grid, as the forms use it.
struct GridDialog
{
    GridDialog()
    {
        dialog = std::make_unique<QDialog>();
        auto *layout = new QVBoxLayout(dialog.get());
        grid = new FlexGrid(dialog.get());
        grid->setObjectName(QStringLiteral("detalles"));
        layout->addWidget(grid);
        tester = std::make_unique<QAbstractItemModelTester>(grid->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        dialog->resize(640, 300);
    }
    void show()
    {
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // The centre of a scrolling cell, in the grid's viewport.
    QPoint cellCentre(int row, int col) const
    {
        const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col - grid->FixedCols());
        return grid->visualRect(index).center();
    }

    std::unique_ptr<QDialog> dialog;
    FlexGrid *grid = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QImage cellImage(FlexGrid *grid, int row, int col)
{
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col - grid->FixedCols());
    return grid->viewport()->grab(grid->visualRect(index)).toImage();
}

} // namespace

TEST(FlexGridTest, StartsWithTheClassicDefaultsAndKeepsFixedRowZeroInTextMatrix)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);

    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setTextMatrix(0, 2, QStringLiteral("Cabecera"));
    grid.setTextMatrix(1, 2, QStringLiteral("dato"));
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("Cabecera"));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Cabecera"));
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->index(0, 2).data().toString(), QStringLiteral("dato"));
}

TEST(FlexGridTest, FormatStringSetsHeadersAlignmentsAndWidthsFromTrailingBlanks)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setFormatString(InvoiceFormat);

    EXPECT_EQ(grid.Cols(), 10);
    EXPECT_EQ(grid.FormatString(), InvoiceFormat);
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("Numero de Factura"));
    EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("Fecha            ")) << "the cell keeps its blanks";
    EXPECT_EQ(grid.model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Incluir"))
        << "the header shows the text without them, so it centres";
    EXPECT_EQ(grid.TextMatrix(0, 4).trimmed(), QStringLiteral("Incluir"));
    EXPECT_FALSE(grid.TextMatrix(0, 4).startsWith(QLatin1Char('^')));
    EXPECT_EQ(grid.ColAlignment(4), FlexAlignment::CenterCenter);
    EXPECT_EQ(grid.ColAlignment(0), FlexAlignment::General);

    // "Fecha" with 12 blanks is wider than "Valor total" with 6, and "Cliente" with 85 the widest.
    EXPECT_GT(grid.ColWidth(1), grid.ColWidth(0) / 2);
    EXPECT_GT(grid.ColWidth(2), 4 * grid.ColWidth(1));
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    EXPECT_GE(grid.ColWidth(1), toolkit::Twips::fromPixelsX(metrics.horizontalAdvance(QStringLiteral("Fecha            "))));
    EXPECT_LT(grid.ColWidth(5), grid.ColWidth(1));

    grid.setFormatString(QStringLiteral(">Monto|<Nombre"));
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.ColAlignment(0), FlexAlignment::RightCenter);
    EXPECT_EQ(grid.ColAlignment(1), FlexAlignment::LeftCenter);
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("Monto"));
}

TEST(FlexGridTest, AlignmentsReachTheCellsAndGeneralPutsNumbersRight)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setTextMatrix(1, 0, QStringLiteral("1,234.50"));
    grid.setTextMatrix(1, 1, QStringLiteral("Centro"));
    grid.setColAlignment(2, FlexAlignment::RightCenter);
    grid.setTextMatrix(1, 2, QStringLiteral("texto"));

    const auto alignment = [&](int col) {
        return Qt::Alignment(grid.model()->index(0, col).data(Qt::TextAlignmentRole).toInt());
    };
    EXPECT_EQ(alignment(0), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignment(1), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(alignment(2), Qt::AlignRight | Qt::AlignVCenter);
    grid.setColAlignment(1, FlexAlignment::CenterTop);
    EXPECT_EQ(alignment(1), Qt::AlignHCenter | Qt::AlignTop);
}

TEST(FlexGridTest, ZeroWidthHidesAColumnAndTheWidthComesBack)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setFormatString(InvoiceFormat);
    d.show();
    for (int col = 5; col < grid.Cols(); ++col)
        grid.setColWidth(col, 0);

    for (int col = 5; col < grid.Cols(); ++col) {
        EXPECT_TRUE(grid.isColumnHidden(col)) << col;
        EXPECT_FALSE(grid.ColIsVisible(col)) << col;
        EXPECT_EQ(grid.ColWidth(col), 0);
    }
    EXPECT_TRUE(grid.ColIsVisible(0));
    grid.setColWidth(6, 1500);
    EXPECT_FALSE(grid.isColumnHidden(6));
    EXPECT_EQ(grid.ColWidth(6), 1500);
    EXPECT_EQ(grid.columnWidth(6), toolkit::Twips::toPixelsX(1500));
    grid.setColWidth(6, -1);
    EXPECT_EQ(grid.ColWidth(6), FlexGrid::DefaultColWidth);

    // Hidden cells still hold their text: the totals live there.
    grid.setTextMatrix(1, 8, QStringLiteral("1234"));
    EXPECT_EQ(grid.TextMatrix(1, 8), QStringLiteral("1234"));
}

TEST(FlexGridTest, RowsGrowAndCutAtTheEndKeepingTheRowsThatStay)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setRows(300);
    for (int row = 1; row < 300; ++row)
        grid.setTextMatrix(row, 0, QString::number(row));
    grid.setRows(350);
    EXPECT_EQ(grid.Rows(), 350);
    EXPECT_EQ(grid.TextMatrix(299, 0), QStringLiteral("299"));
    EXPECT_EQ(grid.TextMatrix(300, 0), QString());

    grid.setRows(11);
    EXPECT_EQ(grid.Rows(), 11);
    EXPECT_EQ(grid.model()->rowCount(), 10);
    EXPECT_EQ(grid.TextMatrix(10, 0), QStringLiteral("10"));
    grid.setRows(12);
    EXPECT_EQ(grid.TextMatrix(11, 0), QString()) << "a row that was cut comes back empty";

    grid.setRows(1);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_EQ(grid.TextMatrix(0, 0), QString());
    EXPECT_THROW(grid.setRows(0), toolkit::Error) << "Rows never drops below FixedRows";
    EXPECT_THROW(grid.TextMatrix(1, 0), toolkit::Error);
    EXPECT_THROW(grid.setTextMatrix(0, 3, QString()), toolkit::Error);
}

TEST(FlexGridTest, ColumnsGrowAndCutKeepingTexts)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(4);
    grid.setTextMatrix(1, 0, QStringLiteral("a"));
    grid.setTextMatrix(1, 1, QStringLiteral("bb"));
    grid.setTextMatrix(1, 3, QStringLiteral("dddd"));
    grid.setCols(2);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("bb"));
    grid.setCols(5);
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("a"));
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("bb"));
    EXPECT_EQ(grid.TextMatrix(1, 3), QString());
    grid.setTextMatrix(1, 1, QStringLiteral("b"));
    grid.setTextMatrix(1, 4, QStringLiteral("eeeee"));
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("a"));
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("b"));
    EXPECT_EQ(grid.TextMatrix(1, 4), QStringLiteral("eeeee"));
}

TEST(FlexGridTest, AddItemInsertsTabSeparatedCellsAndRemoveItemKeepsTheLastRow)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setRows(3);
    grid.setTextMatrix(1, 0, QStringLiteral("primera"));
    grid.setTextMatrix(2, 0, QStringLiteral("segunda"));
    grid.setRow(2);
    grid.setCol(0);
    grid.setCellFontName(QStringLiteral("Wingdings"));

    grid.AddItem(QStringLiteral("nueva\tB\tC\tsobra"), 2);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("primera"));
    EXPECT_EQ(grid.TextMatrix(2, 0), QStringLiteral("nueva"));
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("B"));
    EXPECT_EQ(grid.TextMatrix(2, 2), QStringLiteral("C"));
    EXPECT_EQ(grid.TextMatrix(3, 0), QStringLiteral("segunda"));
    grid.setRow(3);
    EXPECT_EQ(grid.CellFontName(), QStringLiteral("Wingdings")) << "a cell's font moves with its row";

    grid.AddItem(QStringLiteral("al final"));
    EXPECT_EQ(grid.TextMatrix(4, 0), QStringLiteral("al final"));
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 0), toolkit::Error) << "no row goes into the fixed area";
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 9), toolkit::Error);

    grid.RemoveItem(2);
    EXPECT_EQ(grid.TextMatrix(2, 0), QStringLiteral("segunda"));
    grid.RemoveItem(1);
    grid.RemoveItem(2);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("segunda"));
    EXPECT_EQ(grid.Row(), 1) << "the current row follows the cut";
    try {
        grid.RemoveItem(1);
        FAIL() << "the last non-fixed row was removed";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), FlexGrid::ErrCannotRemoveLastRow);
    }
    EXPECT_THROW(grid.RemoveItem(0), toolkit::Error);
}

TEST(FlexGridTest, ClickingARowThroughTheWindowMakesItCurrentAndSelectedThenFiresClick)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setFormatString(InvoiceFormat);
    grid.setRows(6);
    for (int row = 1; row < 6; ++row)
        grid.setTextMatrix(row, 0, QStringLiteral("A-%1").arg(row, 6, 10, QLatin1Char('0')));
    auto *other = new QPushButton(QStringLiteral("Otro"), d.dialog.get());
    d.dialog->layout()->addWidget(other);
    d.show();
    other->setFocus();

    qint32 rowAtClick = -1;
    qint32 colAtClick = -1;
    QObject::connect(&grid, &FlexGrid::Click, [&] {
        rowAtClick = grid.Row();
        colAtClick = grid.Col();
    });
    QSignalSpy clicks(&grid, &FlexGrid::Click);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    QSignalSpy focus(&grid, &FlexGrid::GotFocus);
    QSignalSpy downs(&grid, &FlexGrid::MouseDown);

    testinput::click(grid.viewport(), d.cellCentre(3, 2));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(rowAtClick, 3);
    EXPECT_EQ(colAtClick, 2);
    EXPECT_GE(entered.count(), 1);
    EXPECT_EQ(focus.count(), 1);
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(2)) << "the whole row is selected";
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<qint16>(), 1);

    // A right press reports button 2 and leaves the current cell alone; it is no click.
    testinput::click(grid.viewport(), d.cellCentre(5, 0), Qt::RightButton);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.at(1).at(0).value<qint16>(), 2);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(clicks.count(), 1);

    // A right press on the header row is a press on the grid as well.
    testinput::click(grid.horizontalHeader()->viewport(), QPoint(10, 5), Qt::RightButton);
    ASSERT_EQ(downs.count(), 3);
    EXPECT_EQ(downs.at(2).at(0).value<qint16>(), 2);
}

TEST(FlexGridTest, KeyPressSeesCharacterCodesAndSwallowsWhatTheHandlerClears)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setRows(5);
    auto *ok = new QPushButton(QStringLiteral("Aceptar"), d.dialog.get());
    ok->setDefault(true);
    d.dialog->layout()->addWidget(ok);
    d.show();
    grid.setFocus();

    QList<qint16> seen;
    bool swallowEnter = true;
    QObject::connect(&grid, &FlexGrid::KeyPress, [&](qint16 &keyAscii) {
        seen << keyAscii;
        if (keyAscii == 13 && swallowEnter)
            keyAscii = 0;
    });
    QSignalSpy accepted(ok, &QPushButton::clicked);

    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, Qt::Key_A);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(seen, (QList<qint16>{32, 'a'})) << "arrows type nothing and fire no KeyPress";
    EXPECT_EQ(grid.Row(), 2) << "arrows still move the current cell";

    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 0) << "a swallowed Enter never reaches the dialog";
    swallowEnter = false;
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

TEST(FlexGridTest, MovingTheCurrentCellFromCodeFiresCellEventsButDoesNotScroll)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(4);
    grid.setRows(200);
    d.show();

    QStringList events;
    QObject::connect(&grid, &FlexGrid::LeaveCell, [&] { events << QStringLiteral("leave %1,%2").arg(grid.Row()).arg(grid.Col()); });
    QObject::connect(&grid, &FlexGrid::EnterCell, [&] { events << QStringLiteral("enter %1,%2").arg(grid.Row()).arg(grid.Col()); });
    grid.setRow(150);
    grid.setCol(3);
    grid.setCol(3);
    EXPECT_EQ(events, (QStringList{QStringLiteral("leave 1,1"), QStringLiteral("enter 150,1"),
                                   QStringLiteral("leave 150,1"), QStringLiteral("enter 150,3")}));
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_FALSE(grid.RowIsVisible(150));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(149, 3)) << "the view follows once control returns";
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(149));
    EXPECT_EQ(grid.TopRow(), 1);

    grid.setRow(0);
    EXPECT_EQ(grid.Row(), 0) << "the fixed row can be current, as in the classic grid";
    grid.setText(QStringLiteral("Cabecera"));
    EXPECT_EQ(grid.TextMatrix(0, 3), QStringLiteral("Cabecera"));
}

TEST(FlexGridTest, TopRowLeftColAndVisibilityFollowScrolling)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(12);
    grid.setRows(100);
    for (int col = 0; col < 12; ++col)
        grid.setColWidth(col, 1500);
    grid.setColWidth(2, 0);
    d.show();
    QSignalSpy scrolls(&grid, &FlexGrid::Scroll);

    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_TRUE(grid.RowIsVisible(1));
    EXPECT_TRUE(grid.RowIsVisible(0));
    EXPECT_FALSE(grid.RowIsVisible(99));
    grid.setTopRow(40);
    EXPECT_EQ(grid.TopRow(), 40);
    EXPECT_FALSE(grid.RowIsVisible(39));
    EXPECT_TRUE(grid.RowIsVisible(40));
    EXPECT_GE(scrolls.count(), 1);

    EXPECT_EQ(grid.LeftCol(), 0);
    EXPECT_FALSE(grid.ColIsVisible(11));
    grid.setLeftCol(5);
    EXPECT_EQ(grid.LeftCol(), 5) << "the hidden column 2 does not shift the count";
    EXPECT_FALSE(grid.ColIsVisible(4));
    EXPECT_TRUE(grid.ColIsVisible(5));

    grid.setRow(41);
    grid.setCol(6);
    const QRect cell = grid.visualRect(grid.model()->index(40, 6)).translated(grid.viewport()->pos());
    EXPECT_NEAR(grid.CellLeft(), toolkit::Twips::fromPixelsX(cell.left()), 15);
    EXPECT_NEAR(grid.CellTop(), toolkit::Twips::fromPixelsY(cell.top()), 15);
    EXPECT_NEAR(grid.CellWidth(), 1500, 15);
    EXPECT_GT(grid.CellTop(), toolkit::Twips::fromPixelsY(grid.horizontalHeader()->height()));
}

TEST(FlexGridTest, CellFontAndColoursBelongToTheCurrentCellOnly)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setRows(3);
    grid.setRow(1);
    grid.setCol(2);
    EXPECT_EQ(grid.CellFontName(), grid.font().family());
    EXPECT_FALSE(grid.CellBackColor().isValid());
    grid.setCellFontName(QStringLiteral("Wingdings"));
    grid.setCellBackColor(Qt::yellow);
    grid.setCellForeColor(Qt::blue);
    EXPECT_EQ(grid.CellFontName(), QStringLiteral("Wingdings"));
    EXPECT_EQ(grid.CellBackColor(), QColor(Qt::yellow));
    EXPECT_EQ(grid.model()->index(0, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));

    grid.setCol(1);
    EXPECT_EQ(grid.CellFontName(), grid.font().family());
    EXPECT_FALSE(grid.CellForeColor().isValid());
    grid.setCol(2);
    grid.setCellBackColor(QColor());
    EXPECT_FALSE(grid.CellBackColor().isValid()) << "an invalid colour goes back to the default";
    EXPECT_EQ(grid.CellForeColor(), QColor(Qt::blue));

    grid.setBackColorSel(QColor(10, 20, 30));
    EXPECT_EQ(grid.BackColorSel(), QColor(10, 20, 30));
    grid.setForeColorSel(Qt::white);
    EXPECT_EQ(grid.ForeColorSel(), QColor(Qt::white));
}

TEST(FlexGridTest, WingdingsTickAndEmptyBoxAreDrawnAsBoxesNotAsLetters)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setCols(3);
    grid.setRows(5);
    grid.setColAlignment(0, FlexAlignment::CenterCenter);
    grid.setColAlignment(1, FlexAlignment::CenterCenter);
    grid.setColAlignment(2, FlexAlignment::CenterCenter);
    const auto mark = [&](int row, int col, const QString &text, bool wingdings) {
        grid.setRow(row);
        grid.setCol(col);
        if (wingdings)
            grid.setCellFontName(QStringLiteral("Wingdings"));
        grid.setText(text);
    };
    mark(2, 0, QStringLiteral("þ"), true);
    mark(3, 0, QStringLiteral("o"), true);
    mark(3, 1, QStringLiteral("o"), false);
    mark(4, 0, QStringLiteral("o"), true);
    grid.setRow(1);
    d.show();

    const QImage ticked = cellImage(&grid, 2, 0);
    const QImage empty = cellImage(&grid, 3, 0);
    const QImage letter = cellImage(&grid, 3, 1);
    EXPECT_NE(ticked, empty);
    EXPECT_NE(empty, letter) << "a Wingdings o is a box, not the letter";
    EXPECT_EQ(empty, cellImage(&grid, 4, 0));
}

TEST(FlexGridTest, DraggingAHeaderBorderChangesColWidthWhenResizingIsAllowed)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setFixedCols(0);
    grid.setFormatString(QStringLiteral("Codigo          |Nombre"));
    grid.setColWidth(0, 1500);
    d.show();
    QHeaderView *header = grid.horizontalHeader();
    const int border = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const int y = header->height() / 2;

    const auto drag = [&] {
        testinput::press(header->viewport(), QPoint(border, y));
        testinput::move(header->viewport(), QPoint(border - 40, y));
        testinput::release(header->viewport(), QPoint(border - 40, y));
    };
    drag();
    EXPECT_EQ(grid.ColWidth(0), 1500) << "the classic default allows no resizing";

    grid.setAllowUserResizing(toolkit::FlexResize::Columns);
    drag();
    EXPECT_LT(grid.ColWidth(0), 1500);
    EXPECT_NEAR(grid.ColWidth(0), toolkit::Twips::fromPixelsX(grid.columnWidth(0)), 1);
}
