#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/SeriesIds.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"
#include "tests/modulelibs/table/TableTestFeed.h"
#include "tests/support/TempHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>

namespace
{
class QuoteTableWindowTest : public TableFeedFixture
{
protected:
    QuoteTableWindow* OpenTable()
    {
        EXPECT_TRUE(m_consumer.ShowNewTable(nullptr));
        return m_consumer.CurrentTable();
    }

    static bool AllPriced(const QuoteTableModel& model)
    {
        for (const QuoteTableRow& row : model.Rows())
        {
            if (!row.state.Find(SeriesIds::kPrice))
                return false;
        }
        return true;
    }

    TempHome m_home;
    TableModuleConsumer m_consumer;
};
}

TEST_F(QuoteTableWindowTest, NewTableShowsEveryInstrumentOfTheRunningProviderWithMovingQuotes)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(m_consumer.IsOpenedAtLeastOneTable());
    EXPECT_TRUE(m_consumer.IsPtrTableWindow(table));
    EXPECT_EQ(table->Model().Rows().size(), m_provider.GetAllAssets().size());
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return AllPriced(table->Model()); }));
    const QuoteTableRow& first = table->Model().Rows().front();
    const double price = first.state.GetDouble(SeriesIds::kPrice);
    EXPECT_GT(price, 0.0);
    // Quotes keep moving and leave highlights behind.
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] {
        for (const QuoteTableRow& row : table->Model().Rows())
        {
            if (!row.changes.empty())
                return true;
        }
        return false;
    }));
    // The shown text is the model's.
    EXPECT_EQ(TableFields::Text(TableFields::kTicker, first.asset, first.state, -1), first.asset.GetShortName());
}

TEST_F(QuoteTableWindowTest, WindowFileRoundTripKeepsInstrumentsColumnsSortAndStyle)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    QuoteTableModel& model = table->Model();
    const std::vector<Asset> assets = model.Instruments();
    ASSERT_GE(assets.size(), 3u);
    // Drop one instrument, hide one, pin one, note one; change columns, sort and colours.
    ASSERT_TRUE(m_consumer.DeleteInstrument(model.Rows()[0].id, 1));
    const std::uint32_t hidden = model.Rows()[0].id;
    ASSERT_TRUE(m_consumer.ShowInstrument(hidden, false));
    model.Select(model.Rows()[1].id, TableFields::kComment);
    model.SetComment(model.Rows()[1].id, QStringLiteral("do obserwacji"));
    ASSERT_TRUE(m_consumer.MoveInstrumentToBegin());
    model.Select(0, TableFields::kName);
    ASSERT_TRUE(m_consumer.HideSelectedColumn());
    model.Select(0, TableFields::kPrice);
    ASSERT_TRUE(m_consumer.SetColumnHeader(QStringLiteral("Cena")));
    ASSERT_TRUE(m_consumer.SortDesc());
    ASSERT_TRUE(m_consumer.ChangeTdsParams(QuoteTableModel::kEvenRows, QuoteTableModel::kBackColor, 0x123456));
    ASSERT_TRUE(m_consumer.ApplyTdsParams());
    ASSERT_TRUE(m_consumer.SetTableName(QStringLiteral("Moje spółki")));
    ASSERT_TRUE(m_consumer.SetOfferLines(0, 3));
    const std::shared_ptr<StyleBase> ownStyle = StyleKinds::Create(StyleTable::Type);
    ownStyle->SetValue(StyleTable::ParamCursorColor, 0x00336699);
    ownStyle->SetValue(StyleTable::ParamVerticalGrid, 0);
    table->ShowEditedStyle(ownStyle);

    const QString path = QDir(m_home.Path()).filePath(QStringLiteral("tabela.q4t"));
    ASSERT_TRUE(m_consumer.SaveWindowToFile(table, path, 1, false));
    std::vector<Asset> savedOrder = model.Instruments();
    std::vector<TableItemInfo> savedHidden = model.HiddenInstruments();
    delete table;
    EXPECT_FALSE(m_consumer.IsOpenedAtLeastOneTable());

    ASSERT_TRUE(m_consumer.OpenWindowFromFile(nullptr, path, false));
    QuoteTableWindow* opened = m_consumer.CurrentTable();
    ASSERT_NE(opened, nullptr);
    const QuoteTableModel& loaded = opened->Model();
    EXPECT_EQ(loaded.Instruments(), savedOrder);
    ASSERT_EQ(loaded.HiddenInstruments().size(), 1u);
    EXPECT_EQ(loaded.HiddenInstruments()[0].caption, savedHidden[0].caption);
    EXPECT_TRUE(loaded.Rows()[0].pinned);
    EXPECT_EQ(loaded.Rows()[0].comment, QStringLiteral("do obserwacji"));
    EXPECT_EQ(loaded.SortField(), TableFields::kPrice);
    EXPECT_FALSE(loaded.SortAscending());
    EXPECT_EQ(loaded.HiddenColumns().size(), 1u);
    EXPECT_EQ(loaded.HeaderOf(*loaded.VisibleColumns()[1]), QStringLiteral("Cena"));
    EXPECT_EQ(loaded.GetTdsParams(QuoteTableModel::kEvenRows, QuoteTableModel::kBackColor), 0x123456);
    EXPECT_EQ(loaded.Name(), QStringLiteral("Moje spółki"));
    EXPECT_EQ(loaded.GetOfferLines(0), 3);
    // The table's own style comes back, and its rows paint with its text fields again.
    ASSERT_NE(opened->GetStyle(), nullptr);
    EXPECT_EQ(opened->GetStyle()->GetValue(StyleTable::ParamCursorColor), 0x00336699);
    EXPECT_EQ(opened->GetStyle()->GetValue(StyleTable::ParamVerticalGrid), 0);
    EXPECT_EQ(loaded.GetStyle(), opened->GetStyle());
    // The opened table follows the feed again.
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return AllPriced(loaded); }));

    const QString q5 = QDir(m_home.Path()).filePath(QStringLiteral("tabela.q5t"));
    EXPECT_TRUE(m_consumer.SaveWindowToQ5Format(opened, q5, 1, 0));
    EXPECT_TRUE(QFile::exists(q5));
}

TEST_F(QuoteTableWindowTest, BrokenWindowFilesOpenNothingAndSayWhy)
{
    QuoteTableWindow* table = OpenTable();
    const std::size_t rows = table->Model().Rows().size();
    const QString dir = m_home.Path();
    const struct
    {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"missing.q4t", {}},
        {"garbage.q4t", "<<<not xml"},
    };
    for (const auto& item : cases)
    {
        const QString path = QDir(dir).filePath(QString::fromLatin1(item.name));
        if (!item.content.isEmpty())
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(item.content);
        }
        EXPECT_FALSE(m_consumer.OpenWindowFromFile(nullptr, path, false)) << item.name;
    }
    // A settings file that holds no table.
    Settings other;
    other["Something"] = 1;
    const QString otherPath = QDir(dir).filePath(QStringLiteral("other.q4t"));
    ASSERT_TRUE(other.SaveToFile(otherPath, QStringLiteral("Settings")));
    EXPECT_FALSE(m_consumer.OpenWindowFromFile(nullptr, otherPath, true));
    EXPECT_EQ(m_consumer.Tables().size(), 1u);
    EXPECT_EQ(m_consumer.CurrentTable(), table);
    EXPECT_EQ(table->Model().Rows().size(), rows);
    EXPECT_TRUE(m_mediator.Lines().join(QLatin1Char('\n')).contains(QStringLiteral("Nie otwarto tabeli notowań z pliku")));
}

TEST_F(QuoteTableWindowTest, OperationsActOnTheTableTheUserActivatedLast)
{
    QuoteTableWindow* first = OpenTable();
    QuoteTableWindow* second = OpenTable();
    ASSERT_NE(first, second);
    EXPECT_EQ(m_consumer.CurrentTable(), second);
    first->ForceActivate();
    EXPECT_EQ(m_consumer.CurrentTable(), first);
    ASSERT_TRUE(m_consumer.SetTableName(QStringLiteral("Pierwsza")));
    EXPECT_EQ(first->Model().Name(), QStringLiteral("Pierwsza"));
    EXPECT_TRUE(second->Model().Name().isEmpty());
    // Without an active module window, the table the user last clicked or focused.
    m_mediator.OnModuleWndActivate(first, false, false);
    emit second->Activated(second);
    EXPECT_EQ(m_consumer.CurrentTable(), second);
    delete first;
    delete second;
    EXPECT_EQ(m_consumer.CurrentTable(), nullptr);
    EXPECT_EQ(m_consumer.GetActiveTableProperties(), nullptr);
    EXPECT_FALSE(m_consumer.SetTableName(QStringLiteral("nic")));
}

TEST_F(QuoteTableWindowTest, TheStylesColouringModeLightsAChangedRowOnlyInTheRowsMode)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    table->resize(700, 400);
    ASSERT_TRUE(TestApplication::ProcessEventsUntil([&] { return AllPriced(table->Model()); }));
    const QColor rowHighlight(2, 253, 4);
    const auto pixelsLit = [&](int mode) {
        const std::shared_ptr<StyleBase> style = StyleKinds::Create(StyleTable::Type);
        style->SetValue(StyleTable::ParamColouringMode, mode);
        style->SetValue(StyleTable::ParamRowHighlightColor, 0x0004FD02);
        style->SetValue(StyleTable::ParamAnimate, 0);
        table->ShowEditedStyle(style);
        // A change just now on the first row, whatever the feed did meanwhile.
        const QuoteTableRow& first = *table->Model().VisibleRows().front();
        CurrentState state = first.state;
        state.Set(SeriesIds::kPrice, first.state.GetDouble(SeriesIds::kPrice) + 1.0);
        table->Model().ApplyQuote(first.asset, state, QDateTime::currentMSecsSinceEpoch());
        const QImage image = table->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == rowHighlight ? 1 : 0;
        return count;
    };
    EXPECT_GT(pixelsLit(0), 500);  // the whole row, not one cell
    EXPECT_EQ(pixelsLit(1), 0);
    EXPECT_EQ(pixelsLit(2), 0);
}

TEST_F(QuoteTableWindowTest, TheStylesLowRowsAreLowerThanItsTallRows)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    const QuoteTableRow& row = *table->Model().VisibleRows().front();
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(StyleTable::Type);
    for (const int layout : {0, 1, 2})
    {
        table->Model().GetSettings().rowLayout = layout;
        style->SetValue(StyleTable::ParamOption11, 1);
        table->ShowEditedStyle(style);
        const int tall = table->RowHeight(row);
        style->SetValue(StyleTable::ParamOption11, 0);
        table->ShowEditedStyle(style);
        EXPECT_LT(table->RowHeight(row), tall) << layout;
        EXPECT_GT(table->RowHeight(row), 0) << layout;
    }
}

TEST_F(QuoteTableWindowTest, TheTableStyleGalleryPreviewsAStoredStyleAndKeepsItOnlyWhenApplied)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    constexpr int kTable = 1;
    const std::shared_ptr<StyleBase> own = table->GetStyle();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(m_consumer.GetAutoStyle(kTable), own);  // the table's own style comes first
    EXPECT_EQ(m_consumer.GetAutoStyle(3), nullptr);

    const std::shared_ptr<StyleBase> stored = StyleKinds::Create(StyleTable::Type);
    stored->SetName(QStringLiteral("Ciemna tabela"));
    stored->SetValue(StyleTable::ParamOption11, 0);
    const int id = StylesContainer::Instance().AddStyle(stored);
    ASSERT_GE(id, 0);
    const QuoteTableRow& row = *table->Model().VisibleRows().front();
    const int tallRows = table->RowHeight(row);

    ASSERT_TRUE(m_consumer.SetTableFieldStyle(kTable, id));
    EXPECT_EQ(table->GetStyle(), stored);
    EXPECT_EQ(m_consumer.GetTableFieldStyleId(kTable), id);
    EXPECT_LT(table->RowHeight(row), tallRows);  // painted in it at once
    ASSERT_TRUE(m_consumer.CancelTableFieldStyle());
    EXPECT_EQ(table->GetStyle(), own);
    EXPECT_EQ(table->RowHeight(row), tallRows);

    // Hovering another entry, then the own one, then the stored one again and choosing it.
    ASSERT_TRUE(m_consumer.SetTableFieldStyle(kTable, id));
    ASSERT_TRUE(m_consumer.SetTableFieldStyle(kTable, StyleBase::kOwnStyleId));
    EXPECT_EQ(table->GetStyle(), own);
    ASSERT_TRUE(m_consumer.SetTableFieldStyle(kTable, id));
    ASSERT_TRUE(m_consumer.ApplyTableFieldStyle());
    ASSERT_TRUE(m_consumer.CancelTableFieldStyle());
    EXPECT_EQ(table->GetStyle(), stored);
    EXPECT_EQ(m_consumer.GetAutoStyle(kTable), nullptr);  // it follows a stored style now
    StylesContainer::Instance().RemoveStyle(id);
}

TEST_F(QuoteTableWindowTest, TheStylesFontSizeSetsTheRowsTextAndHeight)
{
    QuoteTableWindow* table = OpenTable();
    ASSERT_NE(table, nullptr);
    const QuoteTableRow& row = *table->Model().VisibleRows().front();
    const std::shared_ptr<StyleBase> style = table->GetStyle()->Copy();
    style->MakeRelatedStylesOwn();
    for (const int relation : {StyleTable::RelationOdd, StyleTable::RelationEven})
    {
        const std::shared_ptr<StyleBase> rows = style->GetRelatedStyle(relation);
        ASSERT_NE(rows, nullptr);
        LogFont font = *rows->GetGdiObject(StyleTextField::ParamFont).Font();
        font.lfHeight = -16;  // 12 points
        rows->SetGdiObject(StyleTextField::ParamFont, GdiObject(font));
    }
    const int before = table->RowHeight(row);
    // As the style editor previews it, and as the saved style is shown afterwards.
    table->ShowEditedStyle(style);
    EXPECT_EQ(table->Model().GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize), 12);
    EXPECT_EQ(table->Model().GetTdsParams(QuoteTableModel::kEvenRows, QuoteTableModel::kFontSize), 12);
    EXPECT_GT(table->RowHeight(row), before);
    // A size set on the table itself still wins, and restoring it gives the style's again.
    ASSERT_TRUE(table->Model().ChangeTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize,
                                               QuoteTableModel::kStepSmaller));
    EXPECT_EQ(table->Model().GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize), 11);
    ASSERT_TRUE(table->Model().ChangeTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize,
                                               QuoteTableModel::kOwnValue));
    EXPECT_EQ(table->Model().GetTdsParams(QuoteTableModel::kOddRows, QuoteTableModel::kFontSize), 12);
}
