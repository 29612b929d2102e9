#include "toolkit/FlexGrid.h"
#include "toolkit/FlexGridBulkFill.h"
#include "toolkit/FlexGridModel.h"
#include "toolkit/Raised.h"
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

#include <array>
#include <memory>
#include <tuple>

using testerrors::raised;
using toolkit::FlexAlignment;
using toolkit::FlexGrid;

namespace {

const QString InvoiceFormat = QStringLiteral("Numero de Factura|Fecha%1|Cliente%2|Valor total%3|^Incluir   |||||")
                                  .arg(QString(12, u' '), QString(85, u' '), QString(6, u' '));

// A dialog holding one grid without fixed columns, as the forms use it; the model is checked throughout.
struct GridDialog
{
    explicit GridDialog(int cols = 3, int rows = 2)
    {
        (new QVBoxLayout(dialog.get()))->addWidget(grid);
        grid->setFixedCols(0);
        grid->setCols(cols);
        grid->setRows(rows);
        dialog->resize(640, 300);
    }
    void show()
    {
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QModelIndex index(int row, int col) const { return grid->model()->index(row - 1, col); }
    QPoint cell(int row, int col) const { return grid->visualRect(index(row, col)).center(); }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int col = 0; col < grid->Cols(); ++col)
            texts << grid->TextMatrix(row, col);
        return texts;
    }

    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    FlexGrid *grid = new FlexGrid(dialog.get());
    QAbstractItemModelTester tester{grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST(FlexGridTest, HeaderRowFormatStringAlignmentsAndColumnWidths)
{
    GridDialog d;
    FlexGrid &grid = *d.grid;
    grid.setTextMatrix(0, 2, QStringLiteral("Cabecera"));
    grid.setTextMatrix(1, 0, QStringLiteral("1,234.50"));
    grid.setTextMatrix(1, 1, QStringLiteral("Centro"));
    grid.setTextMatrix(1, 2, QStringLiteral("texto"));
    grid.setColAlignment(2, FlexAlignment::RightCenter);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), "Cabecera") << "row 0 is the header";
    EXPECT_EQ(grid.model()->index(0, 2).data().toString(), QStringLiteral("texto"));
    const auto alignment = [&](int col) { return grid.model()->index(0, col).data(Qt::TextAlignmentRole).toInt(); };
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    EXPECT_EQ(QList<int>({alignment(0), alignment(1), alignment(2)}),
              QList<int>({right, Qt::AlignLeft | Qt::AlignVCenter, right}))
        << "General puts numbers right and text left";
    grid.setColAlignment(1, FlexAlignment::CenterTop);
    EXPECT_EQ(alignment(1), Qt::AlignHCenter | Qt::AlignTop);

    grid.setFormatString(InvoiceFormat);
    EXPECT_EQ(grid.Cols(), 10);
    EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("Fecha            ")) << "the cell keeps its blanks";
    EXPECT_EQ(grid.model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Incluir"))
        << "the header shows the text without them, so it centres";
    EXPECT_EQ(std::pair(grid.ColAlignment(0), grid.ColAlignment(4)),
              std::pair(FlexAlignment::General, FlexAlignment::CenterCenter));
    // "Fecha" with 12 blanks is wider than "Valor total" with 6, and "Cliente" with 85 the widest.
    EXPECT_GT(grid.ColWidth(1), grid.ColWidth(0) / 2);
    EXPECT_GT(grid.ColWidth(2), 4 * grid.ColWidth(1));
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    EXPECT_GE(grid.ColWidth(1), toolkit::Twips::fromPixelsX(metrics.horizontalAdvance(grid.TextMatrix(0, 1))));
    EXPECT_LT(grid.ColWidth(5), grid.ColWidth(1));

    // Zero hides a column; header drags resize only when allowed.
    grid.setColWidth(0, 1500);
    d.show();
    for (int col = 5; col < grid.Cols(); ++col)
        grid.setColWidth(col, 0);
    for (int col = 5; col < grid.Cols(); ++col)
        EXPECT_EQ(std::tuple(grid.isColumnHidden(col), grid.ColIsVisible(col), grid.ColWidth(col)),
                  std::tuple(true, false, 0));
    EXPECT_TRUE(grid.ColIsVisible(0));
    grid.setColWidth(6, 1500);
    EXPECT_FALSE(grid.isColumnHidden(6));
    EXPECT_EQ(grid.columnWidth(6), toolkit::Twips::toPixelsX(1500));
    grid.setColWidth(6, -1);
    EXPECT_EQ(grid.ColWidth(6), FlexGrid::DefaultColWidth);
    grid.setTextMatrix(1, 8, QStringLiteral("1234"));
    EXPECT_EQ(grid.TextMatrix(1, 8), "1234") << "hidden cells still hold their text: the totals live there";

    QHeaderView *header = grid.horizontalHeader();
    const QPoint border(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
    const auto drag = [&] {
        testinput::press(header->viewport(), border);
        testinput::move(header->viewport(), border - QPoint(40, 0));
        testinput::release(header->viewport(), border - QPoint(40, 0));
    };
    drag();
    EXPECT_EQ(grid.ColWidth(0), 1500) << "the classic default allows no resizing";
    grid.setAllowUserResizing(toolkit::FlexResize::Columns);
    drag();
    EXPECT_LT(grid.ColWidth(0), 1500);
    EXPECT_NEAR(grid.ColWidth(0), toolkit::Twips::fromPixelsX(grid.columnWidth(0)), 1);

    grid.setFormatString(QStringLiteral(">Monto|<Nombre"));
    EXPECT_EQ(d.rowTexts(0), QStringList({"Monto", "Nombre"}));
    EXPECT_EQ(std::pair(grid.ColAlignment(0), grid.ColAlignment(1)),
              std::pair(FlexAlignment::RightCenter, FlexAlignment::LeftCenter));
}

TEST(FlexGridTest, RowsAndColumnsGrowAndCutAtTheEndAndAddItemAndRemoveItemKeepTheRest)
{
    GridDialog d(4, 300);
    FlexGrid &grid = *d.grid;
    for (int row = 1; row < 300; ++row)
        grid.setTextMatrix(row, 0, QString::number(row));
    grid.setTextMatrix(1, 1, QStringLiteral("bb"));
    grid.setTextMatrix(1, 3, QStringLiteral("dddd"));
    grid.setRows(350);
    EXPECT_EQ(std::pair(grid.TextMatrix(299, 0), grid.TextMatrix(300, 0)), std::pair(QStringLiteral("299"), QString()));
    grid.setRows(11);
    EXPECT_EQ(std::pair(grid.model()->rowCount(), grid.TextMatrix(10, 0)), std::pair(10, QStringLiteral("10")));
    grid.setRows(12);
    EXPECT_EQ(grid.TextMatrix(11, 0), QString()) << "a row that was cut comes back empty";
    grid.setCols(2);
    grid.setCols(5);
    grid.setTextMatrix(1, 4, QStringLiteral("eeeee"));
    EXPECT_EQ(d.rowTexts(1), QStringList({"1", "bb", "", "", "eeeee"})) << "a column that was cut comes back empty";
    // A whole row in one write: the cells it names, the rest of the row as it was, no more cells than columns.
    grid.setTextMatrix(10, 4, QStringLiteral("eeeee"));
    grid.setRowTexts(10, toolkit::FlexRowText() << u"uno" << u"" << u"tres");
    EXPECT_EQ(d.rowTexts(10), QStringList({"uno", "", "tres", "", "eeeee"}));
    grid.setRowTexts(11, toolkit::FlexRowText() << u"a" << u"b" << u"c" << u"d" << u"e" << u"sobra");
    EXPECT_EQ(d.rowTexts(11), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_THROW(grid.setRowTexts(12, toolkit::FlexRowText() << u""), toolkit::Error);
    EXPECT_THROW(grid.setRows(0), toolkit::Error) << "Rows never drops below FixedRows";
    EXPECT_THROW(grid.setTextMatrix(0, 5, QString()), toolkit::Error);

    grid.setRows(3);
    grid.setRow(2);
    grid.setCol(0);
    grid.setCellFontName(QStringLiteral("Wingdings"));
    grid.AddItem(QStringLiteral("nueva\tB\tC\tD\tE\tsobra"), 2);
    grid.AddItem(QStringLiteral("al final"));
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(d.rowTexts(2), QStringList({"nueva", "B", "C", "D", "E"}));
    EXPECT_EQ(QStringList({grid.TextMatrix(1, 0), grid.TextMatrix(3, 0), grid.TextMatrix(4, 0)}),
              QStringList({"1", "2", "al final"}));
    grid.setRow(3);
    EXPECT_EQ(grid.CellFontName(), QStringLiteral("Wingdings")) << "a cell's font moves with its row";
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 0), toolkit::Error) << "no row goes into the fixed area";
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 9), toolkit::Error);

    grid.RemoveItem(2);
    EXPECT_EQ(grid.TextMatrix(2, 0), QStringLiteral("2"));
    grid.RemoveItem(1);
    grid.RemoveItem(2);
    EXPECT_EQ(std::tuple(grid.Rows(), grid.TextMatrix(1, 0), grid.Row()), std::tuple(2, QStringLiteral("2"), 1))
        << "the current row follows the cut";
    EXPECT_EQ(raised([&] { grid.RemoveItem(1); }).number(), FlexGrid::ErrCannotRemoveLastRow);
    EXPECT_THROW(grid.RemoveItem(0), toolkit::Error);
}

TEST(FlexGridTest, WithOnlyTheFixedRowsEveryOperationWorksOrRaisesTheClassicError)
{
    GridDialog d(3, 4);
    FlexGrid &grid = *d.grid;
    d.show();
    QSignalSpy clicks(&grid, &FlexGrid::Click);
    QSignalSpy keys(&grid, &FlexGrid::KeyPress);
    testinput::click(grid.viewport(), d.cell(3, 1));
    ASSERT_EQ(grid.Row(), 3);
    grid.setTextMatrix(3, 1, QStringLiteral("se va"));

    grid.setRows(grid.FixedRows());
    EXPECT_EQ(std::tuple(grid.Rows(), grid.model()->rowCount(), grid.Row(), grid.Col(), grid.Text()),
              std::tuple(1, 0, 0, 1, QString()))
        << "the current cell moves up into the fixed row";
    EXPECT_EQ(raised([&] { grid.setRow(1); }).number(), toolkit::ErrSubscript) << "Row";
    EXPECT_EQ(raised([&] { grid.setCol(3); }).number(), toolkit::ErrSubscript) << "Col";
    EXPECT_EQ(raised([&] { grid.TextMatrix(1, 0); }).number(), toolkit::ErrSubscript) << "TextMatrix";
    EXPECT_EQ(raised([&] { grid.setTextMatrix(1, 0, QStringLiteral("x")); }).number(), toolkit::ErrSubscript);
    EXPECT_EQ(raised([&] { grid.RemoveItem(1); }).number(), toolkit::ErrSubscript) << "RemoveItem";
    EXPECT_EQ(raised([&] { grid.RowIsVisible(1); }).number(), toolkit::ErrSubscript) << "RowIsVisible";
    EXPECT_EQ(raised([&] { grid.setTopRow(1); }).number(), toolkit::ErrSubscript) << "TopRow";
    grid.setCol(2);
    grid.setTopRow(0);
    EXPECT_TRUE(grid.RowIsVisible(0));
    EXPECT_GE(grid.CellTop(), 0);
    EXPECT_GT(grid.CellHeight(), 0);

    // The user clicks and types into the empty grid: keys still reach the handler, no cell is clicked.
    testinput::click(grid.viewport(), QPoint(20, 10));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_End})
        QTest::keyClick(&grid, key);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(clicks.count(), keys.count(), grid.Row()), std::tuple(1, 1, 0));
    EXPECT_FALSE(grid.selectionModel()->hasSelection());

    grid.AddItem(QStringLiteral("nueva\tfila"));
    EXPECT_EQ(d.rowTexts(1), QStringList({"nueva", "fila", ""})) << "nothing of the dropped rows comes back";
    grid.setRow(1);
    EXPECT_EQ(grid.Text(), QString());
    testinput::click(grid.viewport(), d.cell(1, 0));
    EXPECT_EQ(std::pair(grid.Row(), clicks.count()), std::pair(1, qsizetype(2)));
}

TEST(FlexGridTest, AClickThroughTheWindowMakesTheCellCurrentAndKeyPressSwallowsWhatTheHandlerClears)
{
    GridDialog d(3, 6);
    FlexGrid &grid = *d.grid;
    auto *ok = new QPushButton(QStringLiteral("Aceptar"), d.dialog.get());
    ok->setDefault(true);
    d.dialog->layout()->addWidget(ok);
    d.show();
    ok->setFocus();
    std::pair<int, int> cellAtClick{-1, -1};
    QObject::connect(&grid, &FlexGrid::Click, [&] { cellAtClick = {grid.Row(), grid.Col()}; });
    QSignalSpy clicks(&grid, &FlexGrid::Click);
    QSignalSpy focus(&grid, &FlexGrid::GotFocus);
    QSignalSpy downs(&grid, &FlexGrid::MouseDown);

    testinput::click(grid.viewport(), d.cell(3, 2));
    EXPECT_EQ(std::tuple(clicks.count(), cellAtClick, focus.count(), grid.hasFocus()),
              std::tuple(1, std::pair(3, 2), 1, true));
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(2)) << "the whole row is selected";
    // A right press reports button 2 and leaves the current cell alone; it is no click. On the
    // header row it is a press on the grid as well.
    testinput::click(grid.viewport(), d.cell(5, 0), Qt::RightButton);
    testinput::click(grid.horizontalHeader()->viewport(), QPoint(10, 5), Qt::RightButton);
    QList<qint16> buttons;
    for (const QList<QVariant> &down : downs)
        buttons << down.at(0).value<qint16>();
    EXPECT_EQ(buttons, (QList<qint16>{1, 2, 2}));
    EXPECT_EQ(std::pair(grid.Row(), clicks.count()), std::pair(3, qsizetype(1)));

    QList<qint16> seen;
    bool swallowEnter = true;
    QObject::connect(&grid, &FlexGrid::KeyPress, [&](qint16 &keyAscii) {
        seen << keyAscii;
        if (keyAscii == 13 && swallowEnter)
            keyAscii = 0;
    });
    QSignalSpy accepted(ok, &QPushButton::clicked);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_A, Qt::Key_Down})
        QTest::keyClick(&grid, key);
    EXPECT_EQ(seen, (QList<qint16>{32, 'a'})) << "arrows type nothing and fire no KeyPress";
    EXPECT_EQ(grid.Row(), 4) << "arrows still move the current cell";
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 0) << "a swallowed Enter never reaches the dialog";
    swallowEnter = false;
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

// Only what a day at the dialogs does not press: pages, Home, Ctrl+A, Shift+F10, and a move that
// ends the range.
TEST(FlexGridTest, ShiftWithPagesAndHomeExtendsWholeRowsCtrlASpansAllAndShiftF10AsksForTheMenu)
{
    GridDialog d(3, 60);
    FlexGrid &grid = *d.grid;
    d.show();
    grid.setFocus();
    const auto selected = [&] {
        QCoreApplication::processEvents();
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        return std::tuple(grid.Row(), grid.RowSel(), rows.size());
    };
    grid.setRow(5);
    QTest::keyClick(&grid, Qt::Key_PageDown, Qt::ShiftModifier);
    const int page = grid.Row();
    EXPECT_GT(page, 10);
    EXPECT_EQ(selected(), std::tuple(page, 5, qsizetype(page - 4)));
    EXPECT_TRUE(grid.RowIsVisible(page)) << "the moving end scrolls into view";
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(selected(), std::tuple(1, 5, qsizetype(5)));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(selected(), std::tuple(2, 2, qsizetype(1))) << "a plain move leaves one row selected";
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selected(), std::tuple(1, 59, qsizetype(59)));
    grid.setRow(7);
    EXPECT_EQ(selected(), std::tuple(7, 7, qsizetype(1))) << "setting Row from code collapses the range";

    QSignalSpy menus(&grid, &FlexGrid::ContextKey);
    QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_F10);
    EXPECT_EQ(menus.count(), 1);
}

TEST(FlexGridTest, TheCurrentCellMovedFromCodeFiresCellEventsWithoutScrollingAndTopRowLeftColScroll)
{
    GridDialog d(12, 200);
    FlexGrid &grid = *d.grid;
    for (int col = 0; col < 12; ++col)
        grid.setColWidth(col, 1500);
    grid.setColWidth(2, 0);
    d.show();
    QStringList events;
    const auto log = [&](const char *what) { events << QString("%1 %2,%3").arg(what).arg(grid.Row()).arg(grid.Col()); };
    QObject::connect(&grid, &FlexGrid::LeaveCell, [&] { log("leave"); });
    QObject::connect(&grid, &FlexGrid::EnterCell, [&] { log("enter"); });
    QSignalSpy scrolls(&grid, &FlexGrid::Scroll);

    grid.setRow(150);
    grid.setCol(3);
    grid.setCol(3);
    EXPECT_EQ(events, QStringList({"leave 1,1", "enter 150,1", "leave 150,1", "enter 150,3"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.currentIndex(), d.index(150, 3)) << "the view follows once control returns";
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(149));
    EXPECT_EQ(std::tuple(grid.TopRow(), grid.RowIsVisible(150), scrolls.count()), std::tuple(1, false, qsizetype(0)))
        << "but does not scroll";

    EXPECT_TRUE(grid.RowIsVisible(0) && grid.RowIsVisible(1));
    grid.setTopRow(40);
    EXPECT_EQ(std::tuple(grid.TopRow(), grid.RowIsVisible(39), grid.RowIsVisible(40)), std::tuple(40, false, true));
    EXPECT_GE(scrolls.count(), 1);
    EXPECT_FALSE(grid.ColIsVisible(11));
    grid.setLeftCol(5);
    EXPECT_EQ(grid.LeftCol(), 5) << "the hidden column 2 does not shift the count";
    EXPECT_EQ(std::pair(grid.ColIsVisible(4), grid.ColIsVisible(5)), std::pair(false, true));

    grid.setRow(41);
    grid.setCol(6);
    const QRect cell = grid.visualRect(d.index(41, 6)).translated(grid.viewport()->pos());
    EXPECT_NEAR(grid.CellLeft(), toolkit::Twips::fromPixelsX(cell.left()), 15);
    EXPECT_NEAR(grid.CellTop(), toolkit::Twips::fromPixelsY(cell.top()), 15);
    EXPECT_NEAR(grid.CellWidth(), 1500, 15);

    grid.setRow(0);
    grid.setText(QStringLiteral("Cabecera"));
    EXPECT_EQ(std::pair(grid.Row(), grid.TextMatrix(0, 6)), std::pair(0, QStringLiteral("Cabecera")))
        << "the fixed row can be current, as in the classic grid";
}

TEST(FlexGridTest, CellFontAndColoursBelongToTheCurrentCellAndWingdingsTicksAreDrawnAsBoxes)
{
    GridDialog d(3, 5);
    FlexGrid &grid = *d.grid;
    grid.setRow(1);
    grid.setCol(2);
    grid.setCellBackColor(Qt::yellow);
    grid.setCellForeColor(Qt::blue);
    EXPECT_EQ(d.index(1, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
    grid.setCol(1);
    EXPECT_FALSE(grid.CellBackColor().isValid() || grid.CellForeColor().isValid()) << "the colours are the cell's";
    grid.setCol(2);
    grid.setCellBackColor(QColor());
    EXPECT_FALSE(grid.CellBackColor().isValid()) << "an invalid colour goes back to the default";
    EXPECT_EQ(grid.CellForeColor(), QColor(Qt::blue));

    const auto mark = [&](int row, int col, const QString &text, bool wingdings) {
        grid.setColAlignment(col, FlexAlignment::CenterCenter);
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
    grid.setRow(3);
    grid.setCol(1);
    EXPECT_EQ(grid.CellFontName(), grid.font().family()) << "the font is the cell's, not the row's";
    grid.setRow(1);
    d.show();
    const auto image = [&](int row, int col) {
        return grid.viewport()->grab(grid.visualRect(d.index(row, col))).toImage();
    };
    const QImage empty = image(3, 0);
    EXPECT_NE(image(2, 0), empty) << "a tick is no empty box";
    EXPECT_NE(empty, image(3, 1)) << "a Wingdings o is a box, not the letter";
    EXPECT_EQ(empty, image(4, 0));
}

TEST(FlexGridTest, ABulkFillResetsTheViewOnceAndKeepsWidthsAndTheCurrentCell)
{
    GridDialog d(10, 2);
    FlexGrid &grid = *d.grid;
    grid.setFormatString(InvoiceFormat);
    grid.setColWidth(5, 0);
    const int visibleWidth = grid.columnWidth(2);
    d.show();
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy entered(&grid, &FlexGrid::EnterCell);
    {
        const toolkit::FlexGridBulkFill bulk(grid, 321);
        grid.setRows(300);
        for (int row = 1; row <= 320; ++row) {
            if (row == grid.Rows())
                grid.setRows(grid.Rows() + 50);
            grid.setTextMatrix(row, 0, QString::number(row));
            grid.setRow(row);
            grid.setCol(4);
            grid.setCellFontName(QStringLiteral("Wingdings"));
            grid.setText(QStringLiteral("o"));
        }
        grid.setRows(321);
        EXPECT_EQ(grid.TextMatrix(320, 0), QStringLiteral("320")) << "inside the fill the grid answers as always";
    }
    EXPECT_EQ(std::tuple(resets.count(), changes.count(), inserted.count()), std::tuple(1, 0, 0));
    EXPECT_EQ(entered.count(), 320) << "the classic cell events still fire for every move";
    EXPECT_EQ(grid.model()->rowCount(), 320);
    EXPECT_EQ(d.index(320, 4).data(toolkit::FlexGridModel::FontNameRole), QStringLiteral("Wingdings"));
    EXPECT_EQ(std::pair(grid.isColumnHidden(5), grid.columnWidth(2)), std::pair(true, visibleWidth));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.currentIndex(), d.index(320, 4));
    EXPECT_EQ(std::pair(grid.Row(), grid.Col()), std::pair(320, 4));
}
