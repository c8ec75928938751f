#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "sessionstats/ui/CmdTargetEditSessionStatisticsStyle.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

namespace
{
struct Bench
{
    QApplication& application = TestApplication::Ensure();
    std::shared_ptr<StyleSessionStatistics> style = (StyleSessionStatistics::RegisterKind(),
                                                     StyleSessionStatistics::CreateInstance());
    StyleEditModeHandler handler{std::make_shared<FakeStyleEditHost>()};
    CmdTargetEditSessionStatisticsStyle target{style, handler};

    std::optional<int> Checked(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        target.UpdateCommandUI(cmdUI);
        return cmdUI.Checked();
    }
};

// The three highlight switches are bits of one value, independent of each other.
TEST(CmdTargetEditSessionStatisticsStyleTest, HighlightSwitchesFlipTheirBits)
{
    Bench bench;
    bench.style->SetValue(StyleSessionStatistics::ParamHighlightType, 3);
    ASSERT_TRUE(bench.target.ExecuteCommand(33399));
    EXPECT_EQ(bench.style->GetValue(StyleSessionStatistics::ParamHighlightType), 7);
    EXPECT_EQ(bench.Checked(33399), 1);
    ASSERT_TRUE(bench.target.ExecuteCommand(33399));
    EXPECT_EQ(bench.style->GetValue(StyleSessionStatistics::ParamHighlightType), 3);
    ASSERT_TRUE(bench.target.ExecuteCommand(33402));
    EXPECT_EQ(bench.style->GetValue(StyleSessionStatistics::ParamHighlightType), 2);
    EXPECT_EQ(bench.Checked(33401), 1);
    EXPECT_EQ(bench.Checked(33402), 0);
}

// Each block writes its element's text style; the overall bar's colours write the style's
// values; "Odrzuć" restores everything.
TEST(CmdTargetEditSessionStatisticsStyleTest, BlocksAndBarWriteTheirParametersAndDiscardRestores)
{
    const std::tuple<std::uint32_t, int, int> cases[] = {
        // command, element (-1: the style itself), parameter
        {33407, 0, StyleTextField::ParamFontColor},      {33420, 1, StyleTextField::ParamBkColor},
        {33442, 2, StyleTextField::ParamBkColorFall},    {33428, 3, StyleTextField::ParamFontColorRise},
        {33455, -1, StyleSessionStatistics::ParamOverallIncreaseColor},
        {33457, -1, StyleSessionStatistics::ParamOverallNoChangeColor},
        {33456, -1, StyleSessionStatistics::ParamOverallDecreaseColor},
        {33454, -1, StyleSessionStatistics::ParamOverallBkColor},
        {33460, -1, StyleSessionStatistics::ParamOverallFontColor},
        {33397, -1, StyleSessionStatistics::ParamHighlightColor},
    };
    Bench bench;
    const auto holder = [&](int element) {
        return element < 0 ? std::shared_ptr<StyleBase>(bench.style) : bench.style->GetRelatedStyle(element);
    };
    std::vector<qint32> before;
    for (const auto& [id, element, parameter] : cases)
    {
        before.push_back(holder(element)->GetValue(parameter));
        GalleryControl gallery(id);
        gallery.AddItem(0x123456, QStringLiteral("kolor"));
        gallery.SetSelectedItem(0);
        NotifyInfo info(id, NotifyCodes::Execute, &gallery);
        ASSERT_TRUE(bench.target.SendNotify(info)) << id;
        EXPECT_EQ(holder(element)->GetValue(parameter), 0x123456) << id;
    }
    ASSERT_TRUE(bench.target.ExecuteCommand(33463));
    for (std::size_t index = 0; index < std::size(cases); ++index)
    {
        const auto& [id, element, parameter] = cases[index];
        EXPECT_EQ(holder(element)->GetValue(parameter), before[index]) << id;
    }
}

TEST(CmdTargetEditSessionStatisticsStyleTest, CopyFromListsTheOwnStylesByElement)
{
    Bench bench;
    GalleryControl gallery(33413);
    NotifyInfo info(33413, NotifyCodes::SpecialStylesRequest, &gallery);
    ASSERT_TRUE(bench.target.SendNotify(info));
    const auto* answer = reinterpret_cast<const SpecialStylesInfo*>(info.result);
    ASSERT_NE(answer, nullptr);
    QStringList names;
    for (const auto& style : answer->styles)
        names << style->GetName();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Wzrosty"), QStringLiteral("Spadki"), QStringLiteral("Obroty"),
                                  QStringLiteral("Transakcje")}));
}
}
