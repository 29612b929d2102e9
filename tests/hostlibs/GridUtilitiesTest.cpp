#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardGridUtilities.h"
#include "toolkit/FlexGrid.h"

#include <gtest/gtest.h>

TEST(GridUtilitiesTest, SumColumnReadsTheDataRowsAndClearGridLeavesNoDataRow)
{
    // An invoice grid of three loaded rows under a header: tick in column 4, plain numbers in 5 and 8.
    toolkit::FlexGrid grid;
    grid.setFixedCols(0);
    grid.setCols(10);
    grid.setRows(4);
    grid.setTextMatrix(0, 4, QStringLiteral("Incluir"));
    grid.setTextMatrix(0, 5, QStringLiteral("99"));
    const QStringList weights{QStringLiteral("12.5"), QStringLiteral("0.25"), QStringLiteral("1e3")};
    for (int row = 1; row <= 3; ++row) {
        grid.setTextMatrix(row, 0, QStringLiteral("A-%1").arg(row, 6, 10, QLatin1Char('0')));
        grid.setRow(row);
        grid.setCol(4);
        grid.setCellFontName(QStringLiteral("Wingdings"));
        grid.setText(row == 2 ? QStringLiteral("o") : QStringLiteral("þ"));
        grid.setTextMatrix(row, 5, weights.at(row - 1));
        grid.setTextMatrix(row, 8, QString::number(100 + row));
    }
    hostlibs::StandardGridUtilities utilities;
    EXPECT_DOUBLE_EQ(utilities.SumColumn(grid, 5), 1012.75) << "the header row does not count";
    EXPECT_DOUBLE_EQ(utilities.SumColumn(grid, 8), 306.0);
    grid.setTextMatrix(2, 5, QStringLiteral("2.5 kg"));
    grid.setTextMatrix(3, 5, QString());
    EXPECT_DOUBLE_EQ(utilities.SumColumn(grid, 5), 15.0) << "the leading number counts, an empty text is 0";
    EXPECT_DOUBLE_EQ(utilities.SumColumn(grid, 0), 0.0);

    utilities.ClearGrid(grid);
    EXPECT_EQ(grid.Rows(), grid.FixedRows()) << "no blank row is left to be ticked";
    EXPECT_EQ(grid.TextMatrix(0, 4), QStringLiteral("Incluir")) << "the header stays";
    utilities.ClearGrid(grid);
    EXPECT_EQ(grid.Rows(), 1) << "clearing an empty grid is no error";
    // No old tick, font or invoice number comes back with growing rows.
    grid.setRows(5);
    grid.setRow(1);
    grid.setCol(4);
    EXPECT_NE(grid.CellFontName(), QStringLiteral("Wingdings"));
    for (int row = 1; row < 5; ++row)
        for (int col = 0; col < grid.Cols(); ++col)
            EXPECT_EQ(grid.TextMatrix(row, col), QString()) << row << "," << col;
}

TEST(GridUtilitiesTest, ClearRowAndIsRowEmptyAndAnInstalledObjectTakesTheLibrarysPlace)
{
    toolkit::FlexGrid grid;
    grid.setCols(4);
    grid.setRows(3);
    hostlibs::StandardGridUtilities utilities;
    EXPECT_TRUE(utilities.IsRowEmpty(grid, 1));
    grid.setTextMatrix(1, 0, QStringLiteral("1"));
    grid.setTextMatrix(1, 2, QStringLiteral("   "));
    EXPECT_TRUE(utilities.IsRowEmpty(grid, 1)) << "the fixed column and blanks do not count";
    grid.setTextMatrix(1, 3, QStringLiteral("x"));
    EXPECT_FALSE(utilities.IsRowEmpty(grid, 1));
    grid.setTextMatrix(2, 1, QStringLiteral("queda"));
    utilities.ClearRow(grid, 1);
    EXPECT_EQ(QStringList({grid.TextMatrix(1, 0), grid.TextMatrix(1, 1), grid.TextMatrix(1, 2), grid.TextMatrix(1, 3)}),
              QStringList(4, QString()));
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("queda"));
    EXPECT_THROW(utilities.ClearRow(grid, 3), std::exception);

    struct CountingGridUtilities : hostlibs::StandardGridUtilities
    {
        void ClearGrid(toolkit::FlexGrid &) override { ++clears; }
        int clears = 0;
    };
    EXPECT_NE(dynamic_cast<hostlibs::StandardGridUtilities *>(&hostlibs::GridUtilities()), nullptr);
    auto counting = std::make_unique<CountingGridUtilities>();
    CountingGridUtilities *installed = counting.get();
    hostlibs::InstallGridUtilities(std::move(counting));
    hostlibs::GridUtilities().ClearGrid(grid);
    EXPECT_EQ(installed->clears, 1);
    hostlibs::InstallGridUtilities(nullptr);
    EXPECT_EQ(dynamic_cast<CountingGridUtilities *>(&hostlibs::GridUtilities()), nullptr);
}
