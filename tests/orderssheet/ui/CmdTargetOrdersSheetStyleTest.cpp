#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/CmdTargetOrdersSheetStyle.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/OrdersSheetStyleCmdIds.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

using namespace OrdersSheetStyleCmdIds;

namespace
{
struct Bench
{
    QApplication& application = TestApplication::Ensure();
    std::shared_ptr<StyleOrdersSheet> style = (StyleOrdersSheet::RegisterKind(QStringLiteral("Arkusz zlecen")),
                                               StyleOrdersSheet::CreateInstance());
    StyleEditModeHandler handler{std::make_shared<FakeStyleEditHost>()};
    std::uint32_t selectedTab = TAB_GENERAL;
    std::vector<int> savedInSettings;
    CmdTargetOrdersSheetStyle target{style, handler, [this](int id) { savedInSettings.push_back(id); },
                                     [this] { return selectedTab; }};

    CmdUI Update(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        target.UpdateCommandUI(cmdUI);
        return cmdUI;
    }

    // Chooses the colour in the command's gallery.
    bool ChooseColour(std::uint32_t id, qint32 colour)
    {
        GalleryControl gallery(id);
        gallery.AddItem(static_cast<std::uint32_t>(colour), QStringLiteral("kolor"));
        gallery.SetSelectedItem(0);
        NotifyInfo info(id, NotifyCodes::Execute, &gallery);
        return target.SendNotify(info);
    }

    QStringList CopyFromNames(std::uint32_t id)
    {
        NotifyInfo info(id, NotifyCodes::SpecialStylesRequest, nullptr);
        target.SendNotify(info);
        const auto* answer = reinterpret_cast<const SpecialStylesInfo*>(info.result);
        QStringList names;
        for (const auto& copy : answer ? answer->styles : std::vector<std::shared_ptr<StyleBase>>{})
            names << copy->GetName();
        return names;
    }
};

// A text-style command acts on its element only while its own tab is selected.
TEST(CmdTargetOrdersSheetStyleTest, TextStyleCommandsActOnlyOnTheirTab)
{
    struct Case
    {
        std::uint32_t id;
        int element;
        int parameter;
        std::uint32_t tab;
    };
    const Case cases[] = {
        {198, 0, 2, TAB_ROWS},       {199, 1, 2, TAB_ROWS},       {314, 0, 8, TAB_ROWS},
        {313, 1, 9, TAB_ROWS},       {212, 1, 5, TAB_ROWS},       {210, 0, 7, TAB_ROWS},
        {167, 2, 2, TAB_PRICE_ROW},  {169, 2, 4, TAB_PRICE_ROW},  {170, 2, 6, TAB_PRICE_ROW},
        {173, 2, 3, TAB_PRICE_ROW},  {171, 2, 5, TAB_PRICE_ROW},  {172, 2, 7, TAB_PRICE_ROW},
    };
    for (const Case& c : cases)
    {
        Bench bench;
        const auto value = [&] { return bench.style->GetRelatedStyle(c.element)->GetValue(c.parameter); };
        const qint32 before = value();
        const qint32 chosen = before == 0x102030 ? 0x405060 : 0x102030;
        for (const std::uint32_t other : {TAB_GENERAL, TAB_ROWS, TAB_PRICE_ROW, TAB_SUMMARY_COLOURS})
        {
            if (other == c.tab)
                continue;
            bench.selectedTab = other;
            bench.ChooseColour(c.id, chosen);
            EXPECT_EQ(value(), before) << c.id << " on tab " << other;
            EXPECT_FALSE(bench.Update(c.id).Enabled().has_value()) << c.id;
        }
        bench.selectedTab = c.tab;
        ASSERT_TRUE(bench.ChooseColour(c.id, chosen));
        EXPECT_EQ(value(), chosen) << c.id;
        EXPECT_EQ(bench.Update(c.id).Enabled(), true) << c.id;
    }
}

TEST(CmdTargetOrdersSheetStyleTest, ColouringAndHighlightChoicesSetTheirValue)
{
    Bench bench;
    ASSERT_TRUE(bench.target.ExecuteCommand(ID_COLOUR_COLUMNS));
    ASSERT_TRUE(bench.target.ExecuteCommand(ID_COLOUR_ROWS));
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamColorMode), 1);
    EXPECT_EQ(bench.Update(ID_COLOUR_ROWS).Checked(), 1);
    EXPECT_EQ(bench.Update(ID_COLOUR_COLUMNS).Checked(), 0);

    ASSERT_TRUE(bench.target.ExecuteCommand(ID_HIGHLIGHT_CELLS));
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamHighLight), 0);
    ASSERT_TRUE(bench.target.ExecuteCommand(ID_HIGHLIGHT_WHOLE_ROWS));
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamHighLight), 1);

    const qint32 horizontal = bench.style->GetValue(StyleOrdersSheet::ParamHGridVisible);
    ASSERT_TRUE(bench.target.ExecuteCommand(ID_HORIZONTAL_GRID));
    EXPECT_NE(bench.style->GetValue(StyleOrdersSheet::ParamHGridVisible) != 0, horizontal != 0);
}

TEST(CmdTargetOrdersSheetStyleTest, AStyleWithoutANameShowsOwnAndCannotBeRenamedOrSavedInSettings)
{
    Bench bench;
    bench.style->SetName(QString());
    const CmdUI unnamed = bench.Update(ID_STYLE_NAME);
    EXPECT_EQ(unnamed.Text(), QStringLiteral("Własny"));
    EXPECT_EQ(unnamed.Enabled(), false);
    EXPECT_EQ(bench.Update(ID_SAVE_IN_SETTINGS).Enabled(), false);
    bench.target.ExecuteCommand(ID_SAVE_IN_SETTINGS);
    EXPECT_TRUE(bench.savedInSettings.empty());

    bench.style->SetName(QStringLiteral("Zielony"));
    const CmdUI named = bench.Update(ID_STYLE_NAME);
    EXPECT_EQ(named.Text(), QStringLiteral("Zielony"));
    EXPECT_EQ(named.Enabled(), true);
}

// Every element's own settings are offered, each under its element's name, on either tab.
TEST(CmdTargetOrdersSheetStyleTest, CopyFromListsEveryElementByName)
{
    Bench bench;
    const QStringList all = {QStringLiteral("Element nieparzysty"), QStringLiteral("Element parzysty"),
                             QStringLiteral("W. aktualnej ceny")};
    bench.selectedTab = TAB_ROWS;
    EXPECT_EQ(bench.CopyFromNames(498), all);
    EXPECT_EQ(bench.CopyFromNames(499), all);
    bench.selectedTab = TAB_PRICE_ROW;
    EXPECT_EQ(bench.CopyFromNames(213), all);
    EXPECT_EQ(CmdTargetOrdersSheetStyle::OwnCopyName(7), QStringLiteral("Własny"));
}

TEST(CmdTargetOrdersSheetStyleTest, SummaryColoursMapTheirPlacesAndTheirIconsShowTheColour)
{
    EXPECT_EQ(CmdTargetOrdersSheetStyle::SummaryParameter(GROUP_VALUES, 0), 12);
    EXPECT_EQ(CmdTargetOrdersSheetStyle::SummaryParameter(GROUP_CHART, 2), 9);
    EXPECT_EQ(CmdTargetOrdersSheetStyle::SummaryParameter(GROUP_INDICATORS, 2), 22);
    EXPECT_EQ(CmdTargetOrdersSheetStyle::SummaryParameter(GROUP_INDICATORS, 3), 25);
    EXPECT_EQ(CmdTargetOrdersSheetStyle::SummaryParameter(GROUP_GRID_LINES, 0), 25);

    Bench bench;
    const auto centre = [&](std::size_t index) {
        return bench.target.GetSummaryIcon(index).pixmap(16, 16).toImage().pixelColor(7, 7);
    };
    for (std::size_t index = 0; index < kSummaryColours.size(); ++index)
    {
        ASSERT_FALSE(bench.target.GetSummaryIcon(index).isNull()) << index;
        const auto value = static_cast<quint32>(bench.style->GetValue(kSummaryColours[index].parameter));
        EXPECT_EQ(centre(index), QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)) << index;
    }
    // 178 is the real supply chart: parameter 9, the ninth icon. The swatch follows a change.
    ASSERT_TRUE(bench.ChooseColour(178, 0x0000FF));
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamChartSellRealValColor), 0x0000FF);
    EXPECT_EQ(centre(8), QColor(0xFF, 0, 0));
}

TEST(CmdTargetOrdersSheetStyleTest, SwatchIsASquareWithAnOutlineOnATransparentIcon)
{
    const QImage image = CmdTargetOrdersSheetStyle::SwatchImage(0x00FF00, Qt::black);
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(13, 13), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(7, 7), QColor(0, 0xFF, 0));
    EXPECT_EQ(image.pixelColor(15, 15).alpha(), 0);
}

TEST(CmdTargetOrdersSheetStyleTest, DiscardPutsBackEverySettingOfTheSession)
{
    Bench bench;
    const qint32 background = bench.style->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor);
    const qint32 mode = bench.style->GetValue(StyleOrdersSheet::ParamColorMode);
    const qint32 oddFont = bench.style->GetRelatedStyle(0)->GetValue(StyleTextField::ParamFontColor);
    ASSERT_TRUE(bench.ChooseColour(162, background ^ 0x101010));
    ASSERT_TRUE(bench.target.ExecuteCommand(mode == 1 ? ID_COLOUR_COLUMNS : ID_COLOUR_ROWS));
    bench.selectedTab = TAB_ROWS;
    ASSERT_TRUE(bench.ChooseColour(198, oddFont ^ 0x101010));
    ASSERT_TRUE(bench.target.ExecuteCommand(ID_DISCARD));
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamChartSummPanelBkgColor), background);
    EXPECT_EQ(bench.style->GetValue(StyleOrdersSheet::ParamColorMode), mode);
    EXPECT_EQ(bench.style->GetRelatedStyle(0)->GetValue(StyleTextField::ParamFontColor), oddFont);
}
}
