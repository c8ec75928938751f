#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleTable.h"
#include "styles/ui/StyleEditCmdHelper.h"
#include "tests/support/ui/TestApplication.h"

#include <climits>

#include <gtest/gtest.h>

using namespace StyleEditCmdHelper;

namespace
{
constexpr std::uint32_t ID_WIDTH = 100;
constexpr int kPen = StyleTable::ParamGridPen;

struct CountingHelper : ICmdHelper
{
    void OnStyleCopied() override { ++copied; }
    int copied = 0;
};

std::shared_ptr<StyleBase> TableWithPenWidth(int width)
{
    auto style = StyleBase::CreateStyleFromType(StyleTable::Type);
    SetPen(*style, kPen, std::nullopt, width, std::nullopt);
    return style;
}

std::unique_ptr<RibbonComboBoxControl> WidthCombo()
{
    auto combo = std::make_unique<RibbonComboBoxControl>(ID_WIDTH);
    for (int width = kMinPenWidth; width <= kMaxPenWidth; ++width)
        combo->AddItem(QString::number(width), width);
    return combo;
}
}

TEST(StyleEditCmdHelperTest, PenWidthsOutsideTheListShowItsEnds)
{
    TestApplication::Ensure();
    const std::pair<int, int> cases[] = {{0, 0}, {-4, 0}, {1, 0}, {4, 3}, {7, 6}, {9, 6}};
    for (const auto& [width, index] : cases)
    {
        auto combo = WidthCombo();
        CmdUI cmdUI(ID_WIDTH, combo.get());
        UpdatePenWidthCombo(*TableWithPenWidth(width), kPen, cmdUI);
        EXPECT_EQ(combo->GetCurSel(), index) << width;
        EXPECT_EQ(cmdUI.Enabled(), true);
    }
}

TEST(StyleEditCmdHelperTest, AChosenWidthIsWrittenAndTheTargetToldEvenWithoutAChoice)
{
    TestApplication::Ensure();
    auto style = TableWithPenWidth(1);
    auto combo = WidthCombo();
    CountingHelper helper;

    combo->SetCurSel(4);
    SetPenWidthFromCombo(*style, kPen, NotifyInfo(ID_WIDTH, NotifyCodes::Execute, combo.get()), helper);
    EXPECT_EQ(style->GetGdiObject(kPen).Pen()->lopnWidth.x, 5);

    combo->SetCurSel(-1);
    SetPenWidthFromCombo(*style, kPen, NotifyInfo(ID_WIDTH, NotifyCodes::Execute, combo.get()), helper);
    EXPECT_EQ(style->GetGdiObject(kPen).Pen()->lopnWidth.x, 5);
    EXPECT_EQ(helper.copied, 2);

    // A control of another kind is not the command's.
    QObject stranger;
    SetPenWidthFromCombo(*style, kPen, NotifyInfo(ID_WIDTH, NotifyCodes::Execute, &stranger), helper);
    EXPECT_EQ(helper.copied, 2);
}

TEST(StyleEditCmdHelperTest, Parameter1TextsGiveAWholeNumberOfAtLeastOne)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12},         {"-5", 5},          {" 7 ", 7},        {"0", 1},           {"abc", 1},
        {"", 1},            {"1.5", 1},         {"2147483647", INT_MAX}, {"-2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Parameter1FromText(QString::fromUtf8(text)), value) << text;
}

TEST(StyleEditCmdHelperTest, PointsAndHeightsConvertAtTheScreensDpi)
{
    const std::tuple<int, int, int> heightsToPoints[] = {{-16, 96, 12}, {16, 96, 12}, {-15, 96, 11}, {-13, 96, 10},
                                                         {-200, 96, 150}, {-25, 120, 15}};
    for (const auto& [height, dpi, points] : heightsToPoints)
        EXPECT_EQ(FontHeightToPoints(height, dpi), points) << height << " at " << dpi;
    const std::tuple<int, int, int> pointsToHeights[] = {{12, 96, -16}, {-12, 96, -16}, {11, 96, -15}, {9, 120, -15}};
    for (const auto& [points, dpi, height] : pointsToHeights)
        EXPECT_EQ(PointsToFontHeight(points, dpi), height) << points << " at " << dpi;
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
}
