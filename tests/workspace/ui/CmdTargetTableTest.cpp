#include "workspace/ui/CmdTargetTable.h"

#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/base/AppPaths.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/NotifyCodes.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StylesContainer.h"
#include "tests/modulelibs/table/TableTestFeed.h"
#include "tests/support/TempHome.h"
#include "workspace/ui/TableCommandIds.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

using namespace TableCommandIds;

namespace
{
class CmdTargetTableTest : public TableFeedFixture
{
protected:
    void SetUp() override
    {
        TableFeedFixture::SetUp();
        ASSERT_TRUE(m_consumer.ShowNewTable(nullptr));
        m_table = m_consumer.CurrentTable();
        ASSERT_NE(m_table, nullptr);
        ASSERT_GE(Model().Rows().size(), 4u);
    }

    CmdTargetTable::Services MakeServices()
    {
        CmdTargetTable::Services services;
        services.tables = [this]() -> TableConsumer* { return &m_consumer; };
        services.ribbons = [] { return nullptr; };
        services.activeModuleWnd = [this]() -> ModuleWndBase* { return m_activeWindow; };
        services.activePanelView = [] { return nullptr; };
        services.chooseManyAssets = [this](QWidget*, std::set<Asset>& assets, std::set<AssetsGroupId>&) {
            ++m_choices;
            if (!m_chooseAnswer)
                return false;
            assets = *m_chooseAnswer;
            return true;
        };
        services.quickAddInstrument = [this](ModuleWndBase& window, ConsumerBase&, const QuickAddAssetReceiver& receiver) {
            if (m_quickAnswer)
                receiver(&window, *m_quickAnswer);
        };
        services.chooseColor = [this](const QColor& current) {
            m_dialogPreset = current;
            return m_colorAnswer;
        };
        services.messageBox = [this](const QString& caption, const QString& text, unsigned flags) {
            m_boxes << caption + QLatin1Char('|') + text + QLatin1Char('|') + QString::number(flags);
            return m_boxAnswer;
        };
        return services;
    }

    QuoteTableModel& Model() { return m_table->Model(); }
    std::uint32_t RowId(int index) { return Model().Rows()[static_cast<std::size_t>(index)].id; }

    CmdUI Update(CmdTargetTable& target, std::uint32_t id)
    {
        CmdUI cmdUI(id);
        target.UpdateCommandUI(cmdUI);
        return cmdUI;
    }

    // The logging command writes into the application-data folder.
    TempHome m_home;
    TableModuleConsumer m_consumer;
    QuoteTableWindow* m_table = nullptr;
    ModuleWndBase* m_activeWindow = nullptr;
    int m_choices = 0;
    std::optional<std::set<Asset>> m_chooseAnswer;
    std::optional<Asset> m_quickAnswer;
    std::optional<QColor> m_colorAnswer;
    std::optional<QColor> m_dialogPreset;
    QStringList m_boxes;
    int m_boxAnswer = 7;
};

// A gallery whose hovered item has the id.
struct HoveredGallery
{
    explicit HoveredGallery(int itemId)
    {
        gallery.AddItem(static_cast<std::uint32_t>(itemId), QStringLiteral("x"));
        gallery.SetSelectedItem(0);
    }
    GalleryControl gallery;
};
}

TEST_F(CmdTargetTableTest, InstrumentCommandsActOnTheSelectedInstrumentOnly)
{
    CmdTargetTable target(MakeServices());
    const std::size_t rows = Model().Rows().size();
    for (const std::uint32_t id : {ID_DELETE_INSTRUMENT, ID_INSTRUMENT_UP, ID_INSTRUMENT_DOWN, ID_INSTRUMENT_TO_BEGIN,
                                   ID_INSTRUMENT_TO_END, ID_HIDE_INSTRUMENT, ID_UNPIN})
    {
        EXPECT_EQ(Update(target, id).Enabled(), std::optional<bool>(id == ID_UNPIN ? false : false)) << id;
        EXPECT_TRUE(target.ExecuteCommand(id));
    }
    // Nothing was selected, so nothing moved, went or hid (not every instrument at once).
    EXPECT_EQ(Model().Rows().size(), rows);
    EXPECT_TRUE(Model().HiddenInstruments().empty());
    EXPECT_FALSE(Model().HasPinned());

    const std::uint32_t third = RowId(2);
    Model().Select(third, TableFields::kPrice);
    EXPECT_EQ(Update(target, ID_HIDE_INSTRUMENT).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_INSTRUMENT_TO_BEGIN);
    EXPECT_EQ(RowId(0), third);
    EXPECT_EQ(Update(target, ID_UNPIN).Enabled(), std::optional<bool>(true));
    EXPECT_EQ(Update(target, ID_UNPIN_ALL).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_INSTRUMENT_DOWN);
    EXPECT_EQ(RowId(1), third);
    target.ExecuteCommand(ID_INSTRUMENT_UP);
    target.ExecuteCommand(ID_INSTRUMENT_TO_END);
    EXPECT_EQ(Model().Rows().back().id, third);
    target.ExecuteCommand(ID_UNPIN_ALL);
    EXPECT_FALSE(Model().HasPinned());
    target.ExecuteCommand(ID_HIDE_INSTRUMENT);
    EXPECT_EQ(Model().HiddenInstruments().size(), 1u);
    EXPECT_EQ(Update(target, ID_SHOW_INSTRUMENTS).Enabled(), std::optional<bool>(true));
    Model().ShowInstrument(third, true);
    Model().Select(third, 0);
    target.ExecuteCommand(ID_DELETE_INSTRUMENT);
    EXPECT_EQ(Model().Rows().size(), rows - 1);
    EXPECT_EQ(Model().FindRow(third), nullptr);

    target.ExecuteCommand(ID_SEARCH);
    EXPECT_TRUE(m_table->IsSearchVisible());
    EXPECT_EQ(Update(target, ID_SEARCH).Checked(), std::optional<int>(1));
}

TEST_F(CmdTargetTableTest, ManageAndInsertChangeTheInstrumentsOnlyWhenTheUserChose)
{
    CmdTargetTable target(MakeServices());
    const std::vector<Asset> before = Model().Instruments();
    target.ExecuteCommand(ID_MANAGE_INSTRUMENTS);
    EXPECT_EQ(m_choices, 1);
    EXPECT_EQ(Model().Instruments(), before);
    m_chooseAnswer = std::set<Asset>{before[0], before[1]};
    target.ExecuteCommand(ID_MANAGE_INSTRUMENTS);
    EXPECT_EQ(Model().Instruments().size(), 2u);

    // Insert needs an active module window of a consumer.
    m_quickAnswer = before[3];
    target.ExecuteCommand(ID_INSERT_INSTRUMENT);
    EXPECT_EQ(Model().Instruments().size(), 2u);
    m_activeWindow = m_table;
    target.ExecuteCommand(ID_INSERT_INSTRUMENT);
    EXPECT_NE(Model().FindRow(before[3]), nullptr);
    EXPECT_EQ(Update(target, ID_INSERT_INSTRUMENT).Enabled(), std::optional<bool>(false));
}

TEST_F(CmdTargetTableTest, ColumnCommandsFollowTheLibrarysLimits)
{
    CmdTargetTable target(MakeServices());
    EXPECT_EQ(Update(target, ID_REMOVE_COLUMN).Enabled(), std::optional<bool>(false));
    Model().Select(0, TableFields::kPrice);
    target.ExecuteCommand(ID_COLUMN_TO_BEGIN);
    EXPECT_EQ(Model().VisibleColumns().front()->fieldId, TableFields::kPrice);
    EXPECT_EQ(Update(target, ID_COLUMN_LEFT).Enabled(), std::optional<bool>(false));
    EXPECT_EQ(Update(target, ID_COLUMN_TO_BEGIN).Enabled(), std::optional<bool>(false));
    target.ExecuteCommand(ID_COLUMN_TO_END);
    EXPECT_EQ(Model().VisibleColumns().back()->fieldId, TableFields::kPrice);
    target.ExecuteCommand(ID_COLUMN_LEFT);
    target.ExecuteCommand(ID_COLUMN_RIGHT);
    EXPECT_EQ(Model().VisibleColumns().back()->fieldId, TableFields::kPrice);

    Model().Select(0, TableFields::kName);
    EXPECT_EQ(Update(target, ID_MERGE).Enabled(), std::optional<bool>(true));
    EXPECT_EQ(Update(target, ID_SPLIT).Enabled(), std::optional<bool>(false));
    target.ExecuteCommand(ID_MERGE);
    EXPECT_EQ(Update(target, ID_MERGE).Enabled(), std::optional<bool>(false));
    EXPECT_EQ(Update(target, ID_SPLIT).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_SPLIT);
    EXPECT_FALSE(Model().HasMergedFieldsInSelection());

    const std::size_t columns = Model().Columns().size();
    target.ExecuteCommand(ID_ADD_COLUMN_AFTER);
    target.ExecuteCommand(ID_ADD_COLUMN_BEFORE);
    EXPECT_EQ(Model().Columns().size(), columns + 2);
    target.ExecuteCommand(ID_REMOVE_COLUMN);
    EXPECT_EQ(Model().Columns().size(), columns + 1);
    Model().Select(0, TableFields::kName);
    target.ExecuteCommand(ID_HIDE_COLUMN);
    EXPECT_EQ(Update(target, ID_SHOW_COLUMNS).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_LOCK_COLUMNS);
    EXPECT_EQ(Update(target, ID_LOCK_COLUMNS).Checked(), std::optional<int>(1));
    Model().Select(0, TableFields::kPrice);
    EXPECT_EQ(Update(target, ID_COLUMN_LEFT).Enabled(), std::optional<bool>(false));
}

TEST_F(CmdTargetTableTest, MovingAColumnToTheEdgeEndsWhenTheLibraryNeverSaysNoMore)
{
    struct StuckTables : TableModuleConsumer
    {
        bool CanMoveColumnToLeft() const override { return true; }
        bool MoveColumnToLeft() override
        {
            ++moves;
            return true;
        }
        int moves = 0;
    } stuck;
    CmdTargetTable::Services services = MakeServices();
    services.tables = [&stuck]() -> TableConsumer* { return &stuck; };
    CmdTargetTable target(std::move(services));
    target.ExecuteCommand(ID_COLUMN_TO_BEGIN);
    EXPECT_GT(stuck.moves, 0);
    EXPECT_LT(stuck.moves, 100);
}

TEST_F(CmdTargetTableTest, OfferLineRangesSetTheTableOrTheSelectedInstrumentAndCheckTheLibrarysCount)
{
    CmdTargetTable target(MakeServices());
    target.ExecuteCommand(ID_OFFER_LINES_ALL_FIRST + 2);
    EXPECT_EQ(Model().GetOfferLines(0), 3);
    EXPECT_EQ(Model().GetOfferLines(RowId(1)), 3);
    EXPECT_EQ(Update(target, ID_OFFER_LINES_ALL_FIRST + 2).Checked(), std::optional<int>(1));
    EXPECT_EQ(Update(target, ID_OFFER_LINES_ALL_FIRST + 1).Checked(), std::optional<int>(0));
    // The Alt range needs a selected instrument.
    target.ExecuteCommand(ID_OFFER_LINES_ONE_FIRST + 4);
    EXPECT_EQ(Model().GetOfferLines(0), 3);
    Model().Select(RowId(1), 0);
    target.ExecuteCommand(ID_OFFER_LINES_ONE_FIRST + 4);
    EXPECT_EQ(Model().GetOfferLines(RowId(1)), 5);
    EXPECT_EQ(Model().GetOfferLines(RowId(0)), 3);
    EXPECT_EQ(Update(target, ID_OFFER_LINES_ONE_FIRST + 4).Checked(), std::optional<int>(1));
    EXPECT_EQ(Update(target, ID_OFFER_LINES_ONE_FIRST + 2).Checked(), std::optional<int>(0));
    EXPECT_EQ(Update(target, ID_OFFER_LINES_COMBO).Enabled(), std::optional<bool>(true));
}

TEST_F(CmdTargetTableTest, DisplayOptionsChangeTheTableSettingsAndLeaveControlsAloneWithoutATable)
{
    CmdTargetTable target(MakeServices());
    const TableSettings& settings = Model().GetSettings();
    const struct
    {
        std::uint32_t id;
        std::function<bool()> isOn;
    } flags[] = {
        {ID_TREND_TO_REFERENCE, [&] { return settings.trendAgainstReference; }},
        {ID_OFFER_LINE_ICONS, [&] { return settings.offerLineIcons; }},
        {ID_AUTOSCROLL, [&] { return settings.autoscroll; }},
        {ID_HIDE_SCROLLBAR, [&] { return !settings.scrollBarShown; }},
        {ID_ROW_CURSOR, [&] { return settings.rowCursor; }},
    };
    for (const auto& flag : flags)
    {
        const bool before = flag.isOn();
        target.ExecuteCommand(flag.id);
        EXPECT_NE(flag.isOn(), before) << flag.id;
        EXPECT_EQ(Update(target, flag.id).Checked(), std::optional<int>(flag.isOn() ? 1 : 0)) << flag.id;
    }
    EXPECT_TRUE(m_table->IsRowCursor());
    const std::pair<std::uint32_t, int> precisions[] = {{ID_PRECISION_0, 0}, {ID_PRECISION_2, 2}, {ID_PRECISION_4, 4},
                                                        {ID_PRECISION_6, 6}, {ID_PRECISION_DEFAULT, -1}};
    for (const auto& [id, precision] : precisions)
    {
        target.ExecuteCommand(id);
        EXPECT_EQ(settings.pricePrecision, precision);
        EXPECT_EQ(Update(target, id).Checked(), std::optional<int>(1));
    }
    const std::pair<std::uint32_t, int> layouts[] = {{ID_ROW_LAYOUT_2, 2}, {ID_ROW_LAYOUT_1, 1}, {ID_ROW_LAYOUT_0, 0}};
    for (const auto& [id, layout] : layouts)
    {
        target.ExecuteCommand(id);
        EXPECT_EQ(settings.rowLayout, layout);
    }

    delete m_table;
    for (const std::uint32_t id : {ID_TREND_TO_REFERENCE, ID_ROW_CURSOR, ID_PRECISION_2, ID_ROW_LAYOUT_1, ID_HIDE_SCROLLBAR})
    {
        EXPECT_TRUE(target.ExecuteCommand(id));
        const CmdUI cmdUI = Update(target, id);
        EXPECT_FALSE(cmdUI.Checked().has_value()) << id;
        EXPECT_FALSE(cmdUI.Enabled().has_value()) << id;
    }
}

TEST_F(CmdTargetTableTest, RowCursorFollowsTheSelectedRibbonTab)
{
    CmdTargetTable target(MakeServices());
    RibbonBarBase bar;
    for (const std::uint32_t id : {ID_TAB_TABLE, ID_TAB_INSTRUMENT, ID_TAB_COLUMN, ID_TAB_CELL, ID_TAB_TABLE_12})
        bar.InsertTab(99, QStringLiteral("tab"), id);
    auto select = [&](std::uint32_t id) {
        bar.SetCurrentTab(bar.FindTab(id));
        NotifyInfo info(ID_RIBBON_TAB_CONTROL, NotifyCodes::TabSelectionChange, &bar);
        EXPECT_TRUE(target.SendNotify(info));
    };
    const struct
    {
        std::uint32_t tab;
        bool own;
        bool expected;
    } cases[] = {
        {ID_TAB_INSTRUMENT, false, true}, {ID_TAB_COLUMN, true, false}, {ID_TAB_CELL, true, false},
        {ID_TAB_TABLE, true, true},       {ID_TAB_TABLE, false, false}, {ID_TAB_TABLE_12, true, true},
    };
    for (const auto& item : cases)
    {
        Model().GetSettings().rowCursor = item.own;
        select(item.tab);
        EXPECT_EQ(m_table->IsRowCursor(), item.expected) << item.tab << " own " << item.own;
    }
    // The field configuration window turns it off and keeps it off.
    target.ExecuteCommand(ID_CUSTOMIZE);
    EXPECT_TRUE(m_consumer.IsConfigTypeFieldsWndVisible());
    EXPECT_TRUE(Model().GetSettings().fieldConfigurationShown);
    EXPECT_FALSE(m_table->IsRowCursor());
    EXPECT_EQ(Update(target, ID_ROW_CURSOR).Enabled(), std::optional<bool>(false));
    EXPECT_EQ(Update(target, ID_OFFER_LINES_ONE_MENU).Enabled(), std::optional<bool>(false));
    select(ID_TAB_INSTRUMENT);
    EXPECT_FALSE(m_table->IsRowCursor());
    target.ExecuteCommand(ID_CUSTOMIZE);
    EXPECT_FALSE(m_consumer.IsConfigTypeFieldsWndVisible());
}

TEST_F(CmdTargetTableTest, NotesSortingCopyAndLogging)
{
    CmdTargetTable target(MakeServices());
    m_consumer.SetTextPrompt([](QWidget*, const QString&, const QString&) { return QStringLiteral("kupić"); });
    EXPECT_EQ(Update(target, ID_ADD_COMMENT).Enabled(), std::optional<bool>(false));
    Model().Select(RowId(0), TableFields::kComment);
    EXPECT_EQ(Update(target, ID_ADD_COMMENT).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_ADD_COMMENT);
    EXPECT_EQ(Model().Rows()[0].comment, QStringLiteral("kupić"));
    EXPECT_EQ(Update(target, ID_REMOVE_COMMENT).Enabled(), std::optional<bool>(true));
    EXPECT_EQ(Update(target, ID_REMOVE_COMMENTS).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_REMOVE_COMMENT);
    EXPECT_TRUE(Model().Rows()[0].comment.isEmpty());
    Model().SetComment(RowId(1), QStringLiteral("x"));
    target.ExecuteCommand(ID_REMOVE_COMMENTS);
    EXPECT_FALSE(Model().AreCommentsInTable());

    Model().Select(0, TableFields::kTicker);
    target.ExecuteCommand(ID_SORT_DESC);
    EXPECT_EQ(Model().SortField(), TableFields::kTicker);
    EXPECT_FALSE(Model().SortAscending());
    target.ExecuteCommand(ID_SORT_ASC);
    EXPECT_TRUE(Model().SortAscending());
    target.ExecuteCommand(ID_SORT);
    EXPECT_FALSE(Model().SortAscending());
    EXPECT_GT(Model().Rows()[0].asset.GetShortName(), Model().Rows()[1].asset.GetShortName());
    target.ExecuteCommand(ID_AUTO_SORT);
    EXPECT_EQ(Update(target, ID_AUTO_SORT).Checked(), std::optional<int>(1));

    Model().Select(RowId(0), 0);
    target.ExecuteCommand(ID_COPY);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(Model().Rows()[0].asset.GetShortName()));
    target.ExecuteCommand(ID_COPY_DDE);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("=Kelvora|")));
    target.ExecuteCommand(ID_COPY_PLAIN);
    EXPECT_FALSE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("=Kelvora|")));
    EXPECT_EQ(Update(target, ID_LOG_STATE).Enabled(), std::optional<bool>(true));
    target.ExecuteCommand(ID_LOG_STATE);
    EXPECT_TRUE(QFile::exists(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("TableModule/logTablesState.txt"))));
}

TEST_F(CmdTargetTableTest, EachColourAndFontCommandAddressesItsOwnContextAndParameter)
{
    CmdTargetTable target(MakeServices());
    Model().Select(RowId(1), TableFields::kPrice);
    const struct
    {
        std::uint32_t first;
        int context;
    } colourBlocks[] = {{33699, 0}, {33705, 1}, {33726, 3}, {33742, 2}};
    const int parameters[] = {2, 4, 6, 3, 5, 7};
    std::vector<std::tuple<std::uint32_t, int, int>> commands;
    for (const auto& block : colourBlocks)
        for (int i = 0; i < 6; ++i)
            commands.emplace_back(block.first + i, block.context, parameters[i]);
    for (const auto& [first, context] : {std::pair{33758u, 4}, std::pair{33767u, 5}})
        for (int i = 0; i < 3; ++i)
            commands.emplace_back(first + i, context, parameters[i]);
    for (const auto& [first, context] : {std::pair{33776u, 4}, std::pair{33779u, 5}})
        for (int i = 0; i < 3; ++i)
            commands.emplace_back(first + i, context, parameters[i + 3]);
    ASSERT_EQ(commands.size(), 36u);
    int colour = 0x010101;
    for (const auto& [id, context, parameter] : commands)
    {
        colour += 0x010203;
        HoveredGallery hovered(colour);
        NotifyInfo preview(id, NotifyCodes::GalleryPreviewChange, &hovered.gallery);
        ASSERT_TRUE(target.SendNotify(preview)) << id;
        NotifyInfo apply(id, NotifyCodes::GalleryPreviewApply, &hovered.gallery);
        target.SendNotify(apply);
        EXPECT_EQ(m_consumer.GetTdsParams(context, parameter), colour) << id;
        NotifyInfo current(id, NotifyCodes::CheckedItemQuery, &hovered.gallery);
        target.SendNotify(current);
        EXPECT_EQ(current.result, colour) << id;
    }

    const struct
    {
        std::uint32_t smaller, larger, restore;
        std::vector<int> contexts;
    } fonts[] = {{33717, 33716, 33751, {0, 1}}, {33733, 33732, 33753, {3}}, {33749, 33748, 33755, {2}},
                 {33765, 33764, 33766, {4}},    {33774, 33773, 33775, {5}}};
    for (const auto& font : fonts)
    {
        std::vector<int> sizes;
        for (const int context : font.contexts)
            sizes.push_back(m_consumer.GetTdsParams(context, 12));
        target.ExecuteCommand(font.smaller);
        for (std::size_t i = 0; i < font.contexts.size(); ++i)
            EXPECT_EQ(m_consumer.GetTdsParams(font.contexts[i], 12), sizes[i] - 1) << font.smaller;
        target.ExecuteCommand(font.larger);
        target.ExecuteCommand(font.larger);
        for (std::size_t i = 0; i < font.contexts.size(); ++i)
            EXPECT_EQ(m_consumer.GetTdsParams(font.contexts[i], 12), sizes[i] + 1) << font.larger;
        target.ExecuteCommand(font.restore);
        EXPECT_EQ(m_consumer.GetTdsParams(font.contexts[0], 12), m_consumer.GetTdsParams(0, 12)) << font.restore;
    }
}

TEST_F(CmdTargetTableTest, MoreColoursOpensTheDialogOnlyWhenTheGalleryClosesOnIt)
{
    CmdTargetTable target(MakeServices());
    const std::uint32_t id = 33702;  // odd rows' background
    const int own = m_consumer.GetTdsParams(0, 3);
    auto notify = [&](int code, int itemId) {
        HoveredGallery hovered(itemId);
        NotifyInfo info(id, code, &hovered.gallery);
        target.SendNotify(info);
    };
    notify(NotifyCodes::GalleryPreviewChange, 0x0000FF);
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), 0x0000FF);
    notify(NotifyCodes::GalleryPreviewChange, -3);
    EXPECT_TRUE(target.IsCustomColorPending());
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), own);
    // Cancelled dialog: the colour in force stays, and the library still applies.
    notify(NotifyCodes::GalleryPreviewApply, -3);
    ASSERT_TRUE(m_dialogPreset.has_value());
    EXPECT_EQ(ColorRef::FromQColor(*m_dialogPreset)->Value(), static_cast<quint32>(own));
    EXPECT_FALSE(target.IsCustomColorPending());
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), own);

    m_colorAnswer = QColor(0x10, 0x20, 0x30);
    notify(NotifyCodes::GalleryPreviewChange, -3);
    notify(NotifyCodes::GalleryPreviewApply, -3);
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), 0x302010);
    // Another preview clears the pending choice; automatic previews the style's own value.
    m_dialogPreset.reset();
    notify(NotifyCodes::GalleryPreviewChange, -3);
    notify(NotifyCodes::GalleryPreviewChange, -2);
    EXPECT_FALSE(target.IsCustomColorPending());
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), own);
    notify(NotifyCodes::GalleryPreviewCancel, 0);
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), 0x302010);
    notify(NotifyCodes::GalleryPreviewApply, 0);
    EXPECT_FALSE(m_dialogPreset.has_value());
    // A control that is no gallery does nothing.
    NotifyInfo stray(id, NotifyCodes::GalleryPreviewChange, nullptr);
    target.SendNotify(stray);
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), 0x302010);
}

TEST_F(CmdTargetTableTest, StyleGalleriesRestoreCommandsAndRestoreAll)
{
    CmdTargetTable target(MakeServices());
    for (const std::uint32_t id : {ID_INSTRUMENT_STYLE_GALLERY, ID_CELL_STYLE_GALLERY, ID_SIBLING_CELLS_STYLE_GALLERY,
                                   ID_INSTRUMENT_STYLE, ID_CELL_STYLE, ID_SIBLING_CELLS_STYLE})
        EXPECT_EQ(Update(target, id).Enabled(), std::optional<bool>(false)) << id;
    for (const std::uint32_t id : {ID_TABLE_STYLE_GALLERY, ID_COLUMN_STYLE_GALLERY})
        EXPECT_EQ(Update(target, id).Enabled(), std::optional<bool>(true)) << id;

    // The table style gallery lists the stored table styles: its item ids are theirs.
    const int ownStyleId = m_consumer.GetTableFieldStyleId(1);
    const int stored = StylesContainer::Instance().AddStyle(StyleKinds::Create(StyleTable::Type));
    ASSERT_GE(stored, 0);
    HoveredGallery hovered(stored);
    NotifyInfo preview(ID_TABLE_STYLE_GALLERY, NotifyCodes::GalleryPreviewChange, &hovered.gallery);
    target.SendNotify(preview);
    EXPECT_EQ(m_consumer.GetTableFieldStyleId(1), stored);
    NotifyInfo cancel(ID_TABLE_STYLE_GALLERY, NotifyCodes::GalleryPreviewCancel, &hovered.gallery);
    target.SendNotify(cancel);
    EXPECT_EQ(m_consumer.GetTableFieldStyleId(1), ownStyleId);
    target.SendNotify(preview);
    NotifyInfo apply(ID_TABLE_STYLE_GALLERY, NotifyCodes::GalleryPreviewApply, &hovered.gallery);
    target.SendNotify(apply);
    NotifyInfo describe(ID_TABLE_STYLE_GALLERY, NotifyCodes::SpecialStylesRequest, &hovered.gallery);
    target.SendNotify(describe);
    const auto* info = reinterpret_cast<const SpecialStylesInfo*>(describe.result);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->checkedStyleId, stored);
    EXPECT_TRUE(info->tableStyle);

    // Restore of the table's rows.
    m_consumer.ChangeTdsParams(0, 3, 0x111111);
    m_consumer.ApplyTdsParams();
    const int own = QuoteTableModel().GetTdsParams(0, 3);
    target.ExecuteCommand(33787);
    EXPECT_EQ(m_consumer.GetTdsParams(0, 3), own);

    m_consumer.ChangeTdsParams(1, 3, 0x222222);
    m_consumer.ApplyTdsParams();
    target.ExecuteCommand(ID_RESTORE_ALL);
    ASSERT_EQ(m_boxes.size(), 1);
    EXPECT_EQ(m_boxes[0], QStringLiteral("Przywróć wszystkie|Czy chcesz przywrócić domyślne ustawienia wszystkich kolumn\n"
                                         "i instrumentów w tej tabeli?|4"));
    EXPECT_EQ(m_consumer.GetTdsParams(1, 3), 0x222222);
    m_boxAnswer = 6;
    target.ExecuteCommand(ID_RESTORE_ALL);
    EXPECT_NE(m_consumer.GetTdsParams(1, 3), 0x222222);
    // What the columns and instruments had goes; the table keeps the style it follows.
    EXPECT_EQ(m_consumer.GetTableFieldStyleId(1), stored);
    StylesContainer::Instance().RemoveStyle(stored);
}
