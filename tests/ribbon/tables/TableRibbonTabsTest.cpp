#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/CmdUI.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/tables/RibbonTablesTabsQ4Classic.h"
#include "ribbon/tables/ShowColumnGalleryHelper.h"
#include "ribbon/tables/ShowInstrumentGalleryHelper.h"
#include "ribbon/tables/SortGalleryHelper.h"
#include "styles/engine/StyleTextField.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ui/TestApplication.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace
{
// A table library whose current table hides the items it is given and sorts by given fields,
// and that records what the galleries ask of it.
class GalleryTables : public TableModuleConsumer
{
public:
    std::vector<TableItemInfo> GetHiddenColumns() const override { return hidden; }
    std::vector<TableItemInfo> GetHiddenInstruments() const override { return hidden; }
    bool ShowColumn(std::uint32_t id, bool show) override
    {
        calls << QStringLiteral("ShowColumn %1 %2").arg(id).arg(show);
        return true;
    }
    bool ShowInstrument(std::uint32_t id, bool show) override
    {
        calls << QStringLiteral("ShowInstrument %1 %2").arg(id).arg(show);
        return true;
    }
    bool RedrawCurrentTable() override
    {
        calls << QStringLiteral("Redraw");
        return true;
    }
    std::vector<TableFieldType> GetSortableTableFields() const override { return fields; }
    std::optional<TableFieldType> GetSortableTableField() const override { return current; }
    bool SortBy(const TableFieldType& field) override
    {
        calls << QStringLiteral("SortBy %1").arg(field.fieldId);
        return true;
    }
    bool IsLogTableStateAvailable() const override { return logAvailable; }

    std::vector<TableItemInfo> hidden;
    std::vector<TableFieldType> fields;
    std::optional<TableFieldType> current;
    bool logAvailable = false;
    mutable QStringList calls;
};

std::vector<TableItemInfo> Items(int count)
{
    std::vector<TableItemInfo> items;
    for (int i = 0; i < count; ++i)
        items.push_back({static_cast<std::uint32_t>(100 + i), QStringLiteral("Pozycja %1").arg(QChar(u'A' + i))});
    return items;
}

class TableRibbonTabsTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    RibbonsFactory& MakeRibbon(TableConsumer* tables)
    {
        creators->Set("tables", [tables](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonTablesTabsQ4Classic>(factory, ribbonBar, tables);
        });
        EXPECT_TRUE(factory.CreateRibbon());
        return factory;
    }

    GalleryTables tables;
    FakeRibbonsFactoryOwner owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory factory{owner, creators};
};
}

TEST_F(TableRibbonTabsTest, FourGreenContextTabsBuildTheirGroupsAndGalleries)
{
    MakeRibbon(&tables);
    const std::uint32_t tabIds[] = {9, 11, 13, 14};
    for (const std::uint32_t id : tabIds)
    {
        QuorvantaTab* tab = factory.FindTab(id);
        ASSERT_NE(tab, nullptr) << id;
        EXPECT_EQ(tab->GetContextColor(), RibbonContextColorGreen);
        EXPECT_EQ(tab->GetContextCaption(), QStringLiteral("Tabela"));
        EXPECT_EQ(tab->GetLevel(), RibbonTabLevelContext);
        ASSERT_TRUE(tab->Prepare()) << id;
    }
    EXPECT_EQ(factory.GetModuleTabs(&tables).size(), 4u);
    const QuorvantaTab* main = factory.FindTab(9);
    for (const std::uint32_t group : {15u, 17u, 18u})
        EXPECT_NE(main->FindGroup(group), nullptr) << group;
    EXPECT_EQ(main->FindGroup(33957), nullptr);
    EXPECT_NE(factory.FindTab(13)->FindGroup(23), nullptr);
    EXPECT_EQ(factory.FindTab(13)->FindGroup(23)->GetCaption(), QStringLiteral("Nagłówek"));
    EXPECT_NE(qobject_cast<DynamicGallery*>(factory.FindControl(32857)), nullptr);
    EXPECT_NE(qobject_cast<CheckBoxGalleryControl*>(factory.FindControl(32844)), nullptr);
    EXPECT_NE(qobject_cast<CheckBoxGalleryControl*>(factory.FindControl(32859)), nullptr);
}

TEST_F(TableRibbonTabsTest, TheLogGroupComesOnlyWhenTheLibraryCanLog)
{
    tables.logAvailable = true;
    MakeRibbon(&tables);
    ASSERT_TRUE(factory.FindTab(9)->Prepare());
    EXPECT_NE(factory.FindTab(9)->FindGroup(33957), nullptr);
}

TEST(TableRibbonTabsCreatorTest, WithoutTheTableModuleNoTabIsMade)
{
    TestApplication::Ensure();
    FakeRibbonsFactoryOwner owner;
    RibbonsFactory factory(owner, std::make_shared<FakeRibbonTabsCreatorsFactory>());
    ASSERT_TRUE(factory.CreateRibbon());
    RibbonTablesTabsQ4Classic creator(factory, *factory.GetRibbonBar(), nullptr);
    EXPECT_FALSE(creator.CreateTabs());
    EXPECT_EQ(factory.FindTab(9), nullptr);
}

TEST_F(TableRibbonTabsTest, HiddenItemsFillTenRowsAtMostSortedByCodeUnit)
{
    const struct
    {
        int count;
        bool scroll;
        int height;
    } cases[] = {{0, false, 0}, {10, false, 240}, {11, true, 240}};
    for (const auto& item : cases)
    {
        tables.hidden = Items(item.count);
        auto helper = std::make_shared<ShowInstrumentGalleryHelper>(&tables);
        CheckBoxGalleryControl gallery(helper, 1364, 1365, 32844);
        helper->Fill(gallery);
        EXPECT_EQ(gallery.GetItemCount(), item.count);
        EXPECT_EQ(gallery.GetShowScrollBar(), item.scroll) << item.count;
        EXPECT_EQ(gallery.GetHeight(), item.height) << item.count;
        EXPECT_EQ(gallery.GetWidth(), 192 + (item.scroll ? HiddenItemsGalleryHelper::ScrollBarWidth() : 0));
        EXPECT_EQ(gallery.GetItemSize(), QSize(192, 24));
    }
    tables.hidden = {{1, QStringLiteral("Ą")}, {2, QStringLiteral("Z")}, {3, QStringLiteral("a")}};
    auto helper = std::make_shared<ShowColumnGalleryHelper>(&tables);
    CheckBoxGalleryControl gallery(helper, 1364, 1365, 32859);
    helper->Fill(gallery);
    EXPECT_EQ(gallery.GetItem(0)->GetCaption(), QStringLiteral("Z"));
    EXPECT_EQ(gallery.GetItem(1)->GetCaption(), QStringLiteral("a"));
    EXPECT_EQ(gallery.GetItem(2)->GetCaption(), QStringLiteral("Ą"));
    // Ticking an item shows that column again, then the table is redrawn.
    gallery.ChooseItem(2);
    EXPECT_EQ(tables.calls, (QStringList{QStringLiteral("ShowColumn 1 1"), QStringLiteral("Redraw")}));
}

TEST_F(TableRibbonTabsTest, SortGalleryShowsTwentyRowsAndSortsByTheChosenField)
{
    for (int i = 1; i <= 21; ++i)
        tables.fields.push_back({i, QStringLiteral("Pole %1").arg(i)});
    auto helper = std::make_shared<SortGalleryHelper>(&tables);
    DynamicGallery gallery(helper, 32857);
    helper->Fill(gallery);
    EXPECT_EQ(gallery.GetItemCount(), 21);
    EXPECT_TRUE(gallery.GetShowScrollBar());
    EXPECT_EQ(gallery.GetHeight(), 20 * 24);
    gallery.ChooseItem(20);
    EXPECT_EQ(tables.calls, QStringList{QStringLiteral("SortBy 21")});

    CmdUI cmdUI(32857);
    helper->UpdateCheckedItem(gallery, cmdUI);
    EXPECT_EQ(gallery.GetCheckedItem(), static_cast<std::uint32_t>(-1));
    tables.current = TableFieldType{5, QString()};
    helper->UpdateCheckedItem(gallery, cmdUI);
    EXPECT_EQ(gallery.GetCheckedItem(), 4u);
    EXPECT_EQ(cmdUI.Enabled(), std::optional<bool>(true));
}

TEST_F(TableRibbonTabsTest, EveryStyleCommandOfTheTablesHasAControlOnItsTab)
{
    std::vector<std::pair<int, QString>> galleries;
    SetStylePreviewGalleryHelperMaker([&galleries](int kind, const QString& kindText) {
        galleries.emplace_back(kind, kindText);
        return std::shared_ptr<IDynamicGalleryHelper>();
    });
    MakeRibbon(&tables);
    // The tab of each element and the style, colour, font and restore commands of that element.
    const std::pair<std::uint32_t, std::vector<std::uint32_t>> tabs[] = {
        {9, {33069, 33785, 33699, 33700, 33701, 33702, 33703, 33704, 33705, 33706, 33707, 33708, 33709, 33710, 33716, 33717,
             33751, 33787, 33786}},
        {11, {32801, 32840, 33785, 33726, 33727, 33728, 33729, 33730, 33731, 33732, 33733, 33753, 33789}},
        {13, {32816, 32841, 33785, 33742, 33743, 33744, 33745, 33746, 33747, 33748, 33749, 33755, 33791}},
        {14, {32824, 32933, 32932, 32842, 33785, 33758, 33759, 33760, 33776, 33777, 33778, 33767, 33768, 33769, 33779,
              33780, 33781, 33764, 33765, 33766, 33773, 33774, 33775, 33792, 33793}},
    };
    for (const auto& [tabId, ids] : tabs)
    {
        QuorvantaTab* tab = factory.FindTab(tabId);
        ASSERT_TRUE(tab->Prepare()) << tabId;
        for (const std::uint32_t id : ids)
        {
            bool found = false;
            for (const auto& group : tab->GetGroups())
                for (const auto& control : group->GetControls())
                    found = found || control->GetID() == id
                            || (control->GetCommandBar() && control->GetCommandBar()->FindControl(id));
            EXPECT_TRUE(found) << tabId << " " << id;
        }
    }
    SetStylePreviewGalleryHelperMaker({});
    // The element galleries list text-field styles named so that one can be edited on its own.
    const std::pair<int, QString> textField{StyleTextField::Type, QStringLiteral("pola tekstowego")};
    EXPECT_EQ(std::count(galleries.begin(), galleries.end(), textField), 4);
    for (const std::uint32_t id : {32840u, 32841u, 32933u, 32842u})
        EXPECT_NE(qobject_cast<DynamicGallery*>(factory.FindControl(id)), nullptr) << id;
}
