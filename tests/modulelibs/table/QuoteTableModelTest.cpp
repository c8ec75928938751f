#include "modulelibs/table/QuoteTableModel.h"
#include "modulelibs/table/TableFields.h"
#include "platform/modules/SeriesIds.h"
#include "platform/settings/Settings.h"

#include <gtest/gtest.h>

namespace
{
Asset Share(const QString& ticker)
{
    return Asset(nullptr, QStringLiteral("PL") + ticker, ticker, ticker + QStringLiteral(" SA"), QStringLiteral("GPW"));
}

CurrentState Priced(double price)
{
    CurrentState state;
    state.Set(SeriesIds::kPrice, price);
    return state;
}

// Three instruments priced 30, 10, 20 in that order.
QuoteTableModel ThreeShares()
{
    QuoteTableModel model;
    const double prices[] = {30, 10, 20};
    const char* tickers[] = {"AAA", "BBB", "CCC"};
    for (int i = 0; i < 3; ++i)
    {
        model.AddInstrument(Share(QString::fromLatin1(tickers[i])));
        model.ApplyQuote(Share(QString::fromLatin1(tickers[i])), Priced(prices[i]), 0);
    }
    return model;
}

QStringList Order(const QuoteTableModel& model)
{
    QStringList tickers;
    for (const QuoteTableRow& row : model.Rows())
        tickers << row.asset.GetShortName();
    return tickers;
}
}

TEST(QuoteTableModelTest, SortingKeepsPinnedRowsInPlaceUntilTheyAreUnpinned)
{
    QuoteTableModel model = ThreeShares();
    ASSERT_TRUE(model.SortBy(TableFields::kPrice, true));
    EXPECT_EQ(Order(model), (QStringList{"BBB", "CCC", "AAA"}));
    // Moving pins: AAA stays first whatever the sort says.
    model.Select(model.Rows()[2].id, 0);
    ASSERT_TRUE(model.MoveInstrumentToEdge(true));
    ASSERT_TRUE(model.SortBy(TableFields::kPrice, false));
    EXPECT_EQ(Order(model), (QStringList{"AAA", "CCC", "BBB"}));
    ASSERT_TRUE(model.SortBy(TableFields::kPrice, true));
    EXPECT_EQ(Order(model), (QStringList{"AAA", "BBB", "CCC"}));
    ASSERT_TRUE(model.ResetPositions(0));
    EXPECT_FALSE(model.HasPinned());
    EXPECT_EQ(Order(model), (QStringList{"BBB", "CCC", "AAA"}));
    // Auto-sorting follows the feed.
    model.EnableAutoSort(true);
    model.ApplyQuote(Share(QStringLiteral("AAA")), Priced(1), 1);
    EXPECT_EQ(Order(model).front(), QStringLiteral("AAA"));
}

TEST(QuoteTableModelTest, QuotesMarkRisesAndFallsOfEachField)
{
    QuoteTableModel model = ThreeShares();
    model.ApplyQuote(Share(QStringLiteral("AAA")), Priced(31), 100);
    model.ApplyQuote(Share(QStringLiteral("BBB")), Priced(9), 200);
    EXPECT_EQ(model.Rows()[0].changes.at(TableFields::kPrice), std::make_pair(std::int64_t(100), 1));
    EXPECT_EQ(model.Rows()[1].changes.at(TableFields::kPrice), std::make_pair(std::int64_t(200), -1));
    EXPECT_FALSE(model.ApplyQuote(Share(QStringLiteral("ZZZ")), Priced(1), 0));
}

TEST(QuoteTableModelTest, ColumnsMoveHideMergeAndSplitWithinTheirLimits)
{
    QuoteTableModel model;
    EXPECT_FALSE(model.CanMoveColumn(-1));
    model.Select(0, TableFields::kTicker);
    EXPECT_FALSE(model.CanMoveColumn(-1));
    EXPECT_TRUE(model.CanMoveColumn(1));
    // Moves stop at the edge, so a loop that moves while it can ends.
    int moves = 0;
    while (model.CanMoveColumn(1) && moves < 100)
        moves += model.MoveColumn(1) ? 1 : 0;
    EXPECT_EQ(moves, static_cast<int>(model.VisibleColumns().size()) - 1);
    EXPECT_EQ(model.VisibleColumns().back()->fieldId, TableFields::kTicker);
    model.LockColumns(true);
    EXPECT_FALSE(model.CanMoveColumn(-1));
    model.LockColumns(false);

    model.Select(0, TableFields::kPrice);
    EXPECT_TRUE(model.CanMergeFields());
    EXPECT_FALSE(model.HasMergedFieldsInSelection());
    ASSERT_TRUE(model.MergeSelection());
    EXPECT_TRUE(model.HasMergedFieldsInSelection());
    EXPECT_FALSE(model.CanMergeFields());
    // The second column of a merged pair is in the merge as well; the same operation splits.
    model.Select(0, TableFields::kChange);
    EXPECT_TRUE(model.HasMergedFieldsInSelection());
    ASSERT_TRUE(model.MergeSelection());
    EXPECT_FALSE(model.HasMergedFieldsInSelection());

    ASSERT_TRUE(model.HideSelectedColumn());
    EXPECT_EQ(model.HiddenColumns().size(), 1u);
    EXPECT_TRUE(model.ShowColumn(TableFields::kChange, true));
    EXPECT_TRUE(model.HiddenColumns().empty());
    // The last visible column can be neither hidden nor removed.
    for (const QuoteTableColumn& column : std::vector<QuoteTableColumn>(model.Columns()))
    {
        if (column.fieldId != TableFields::kTicker)
            model.ShowColumn(column.fieldId, false);
    }
    model.Select(0, TableFields::kTicker);
    EXPECT_FALSE(model.CanRemoveColumn());
    EXPECT_FALSE(model.ShowColumn(TableFields::kTicker, false));
}

TEST(QuoteTableModelTest, AddColumnTakesTheFirstFieldNotShownYetBesideTheSelection)
{
    QuoteTableModel model;
    model.Select(0, TableFields::kPrice);
    ASSERT_TRUE(model.AddColumn(true));
    const auto columns = model.VisibleColumns();
    const auto added = std::find_if(columns.begin(), columns.end(), [](const QuoteTableColumn* c) { return c->fieldId == TableFields::kTotalVolume; });
    ASSERT_NE(added, columns.end());
    EXPECT_EQ((*(added + 1))->fieldId, TableFields::kPrice);
    while (model.AddColumn(false))
        ;
    EXPECT_EQ(model.Columns().size(), TableFields::All().size());
}

TEST(QuoteTableModelTest, DisplayParametersPreviewUntilAppliedAndStepFontSize)
{
    QuoteTableModel model = ThreeShares();
    const int defaultBack = model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor);
    ASSERT_TRUE(model.ChangeTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor, 0x00FF00));
    EXPECT_EQ(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor), 0x00FF00);
    model.CancelTdsParams();
    EXPECT_EQ(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kBackColor), defaultBack);

    const int size = model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize);
    ASSERT_TRUE(model.ChangeTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize, QuoteTableModel::kStepLarger));
    model.CancelTdsParams();
    EXPECT_EQ(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize), size + 1);
    ASSERT_TRUE(model.ChangeTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize, QuoteTableModel::kOwnValue));
    model.ApplyTdsParams();
    EXPECT_EQ(model.GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize), size);

    // An instrument's colour needs a selected instrument and wins over the rows' colour.
    EXPECT_FALSE(model.ChangeTdsParams(QuoteTableModel::kInstrument, QuoteTableModel::kFontColor, 0x0000FF));
    const QuoteTableRow& row = model.Rows()[1];
    model.Select(row.id, TableFields::kPrice);
    ASSERT_TRUE(model.ChangeTdsParams(QuoteTableModel::kInstrument, QuoteTableModel::kFontColor, 0x0000FF));
    model.ApplyTdsParams();
    EXPECT_EQ(model.EffectiveParam(row, TableFields::kName, true, QuoteTableModel::kFontColor), 0x0000FF);
    EXPECT_NE(model.EffectiveParam(model.Rows()[0], TableFields::kName, true, QuoteTableModel::kFontColor), 0x0000FF);
    ASSERT_TRUE(model.ResetTdsParams(3));
    EXPECT_NE(model.EffectiveParam(row, TableFields::kName, true, QuoteTableModel::kFontColor), 0x0000FF);
}

TEST(QuoteTableModelTest, HidingNeedsARealInstrument)
{
    QuoteTableModel model = ThreeShares();
    EXPECT_FALSE(model.ShowInstrument(0, false));
    EXPECT_TRUE(model.HiddenInstruments().empty());
    EXPECT_FALSE(model.SetOfferLines(0, 10));
    EXPECT_FALSE(model.SetOfferLines(0, 0));
    EXPECT_TRUE(model.SetOfferLines(0, 9));
    EXPECT_EQ(model.GetOfferLines(model.Rows()[2].id), 9);
}

TEST(QuoteTableModelTest, AFileWithoutColumnsLeavesTheTableAsItWas)
{
    QuoteTableModel model = ThreeShares();
    Settings node;
    node["Name"] = QStringLiteral("x");
    QString error;
    EXPECT_FALSE(model.Load(node, nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
    Settings unknownFields;
    unknownFields["Columns"].AddUnnamed()["Field"] = 999;
    EXPECT_FALSE(model.Load(unknownFields, nullptr, &error));
    EXPECT_EQ(model.Rows().size(), 3u);
}
