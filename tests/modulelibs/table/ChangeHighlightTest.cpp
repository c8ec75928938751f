#include "modulelibs/table/ChangeHighlight.h"
#include "modulelibs/table/TableFields.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTable.h"

#include <gtest/gtest.h>

TEST(ChangeHighlightTest, TheStylesColouringModeChoosesHowChangesShowAndAnUnknownOneColoursRisesAndFalls)
{
    const struct
    {
        int value;
        ChangeHighlight::Mode mode;
    } cases[] = {
        {0, ChangeHighlight::Mode::Rows},
        {1, ChangeHighlight::Mode::RiseFall},
        {2, ChangeHighlight::Mode::None},
        {7, ChangeHighlight::Mode::RiseFall},
        {-1, ChangeHighlight::Mode::RiseFall},
    };
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(StyleTable::Type);
    for (const auto& c : cases)
    {
        style->SetValue(StyleTable::ParamColouringMode, c.value);
        EXPECT_EQ(ChangeHighlight::FromStyle(style.get()).GetMode(), c.mode) << c.value;
    }
    EXPECT_EQ(ChangeHighlight::FromStyle(nullptr).GetMode(), ChangeHighlight::Mode::RiseFall);
}

TEST(ChangeHighlightTest, AHeldHighlightLastsTheWholeTimeAndAnAnimatedOneFadesOut)
{
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(StyleTable::Type);
    const struct
    {
        bool animate;
        std::int64_t age;
        int time;
        double strength;
    } cases[] = {
        {false, 0, 1000, 1.0},  {false, 999, 1000, 1.0}, {false, 1000, 1000, 0.0}, {false, -5, 1000, 0.0},
        {true, 0, 1000, 1.0},   {true, 250, 1000, 0.75}, {true, 999, 1000, 0.001}, {true, 1000, 1000, 0.0},
        {true, 5000, 1000, 0.0}, {true, 0, 0, 0.0},       {false, 10, -1, 0.0},
    };
    for (const auto& c : cases)
    {
        style->SetValue(StyleTable::ParamAnimate, c.animate ? 1 : 0);
        EXPECT_NEAR(ChangeHighlight::FromStyle(style.get()).Strength(c.age, c.time), c.strength, 1e-9)
            << c.animate << " " << c.age << " " << c.time;
    }
}

TEST(ChangeHighlightTest, WithOnlyPriceChangesOtherFieldsChangeSilently)
{
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(StyleTable::Type);
    style->SetValue(StyleTable::ParamOption6, 0);
    EXPECT_TRUE(ChangeHighlight::FromStyle(style.get()).Counts(TableFields::kVolume));
    style->SetValue(StyleTable::ParamOption6, 1);
    const ChangeHighlight priceOnly = ChangeHighlight::FromStyle(style.get());
    EXPECT_TRUE(priceOnly.Counts(TableFields::kPrice));
    EXPECT_FALSE(priceOnly.Counts(TableFields::kVolume));
    EXPECT_FALSE(priceOnly.Counts(TableFields::kBid));
}
