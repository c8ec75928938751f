#include "modulelibs/chart/ChartFormation.h"
#include "platform/modules/FormationLevels.h"
#include "platform/settings/Settings.h"

#include <gtest/gtest.h>

#include <limits>

using P = FormationParam;

namespace
{

constexpr FormationType kAllKinds[] = {
    P::kSegment,   P::kRay,       P::kLine,          P::kVertical,     P::kHorizontal,      P::kAngleLine,
    P::kParallelChannel, P::kPitchfork, P::kFan,     P::kTriangle,     P::kEllipse,         P::kRectangle,
    P::kCycleLines, P::kGannLine, P::kGannGrid,      P::kGannFan,      P::kFiboRetracement, P::kFiboFan,
    P::kFiboArcs,  P::kFiboProjection, P::kFiboTimeRange, P::kFiboTimeZones, P::kSymbol, P::kRegressionChannel,
    P::kText,
};

std::shared_ptr<FiboLevelsContainer> FiboOf(const ChartFormation& formation)
{
    const auto nested = FormationLevels::Unwrap<FiboFormationParamValue>(formation.Get(P::FiboLevels));
    return nested ? nested->Levels() : nullptr;
}

std::shared_ptr<GannFanLevelsContainer> GannOf(const ChartFormation& formation)
{
    const auto nested = FormationLevels::Unwrap<GannFanFormationLevelsParam>(formation.Get(P::GannLevels));
    return nested ? nested->Levels() : nullptr;
}

ChartFormation RoundTrip(const ChartFormation& formation)
{
    Settings node;
    formation.Save(node);
    std::optional<ChartFormation> loaded = ChartFormation::Load(node);
    EXPECT_TRUE(loaded.has_value()) << formation.type;
    return loaded.value_or(ChartFormation());
}

}

TEST(ChartFormationTest, EveryKindKeepsItsPointsAndParametersThroughTheWindowFile)
{
    for (const FormationType kind : kAllKinds)
    {
        ChartFormation formation = ChartFormation::Make(kind, {{45000.0, 10.0}, {45002.5, 14.0}});
        ASSERT_EQ(static_cast<int>(formation.points.size()), ChartFormation::PointCount(kind)) << kind;
        formation.Set(P::Name, QStringLiteral("Formacja %1").arg(kind));
        formation.Set(P::ShowLabel, true);
        formation.seriesId = 4;
        const ChartFormation loaded = RoundTrip(formation);
        EXPECT_EQ(loaded.type, kind);
        EXPECT_EQ(loaded.seriesId, 4);
        ASSERT_EQ(loaded.points.size(), formation.points.size()) << kind;
        for (std::size_t i = 0; i < formation.points.size(); ++i)
        {
            EXPECT_DOUBLE_EQ(loaded.points[i].time, formation.points[i].time) << kind;
            EXPECT_DOUBLE_EQ(loaded.points[i].value, formation.points[i].value) << kind;
        }
        ASSERT_EQ(loaded.params.size(), formation.params.size()) << kind;
        for (const auto& [key, value] : formation.params)
        {
            if (key == P::FiboLevels || key == P::GannLevels)
                continue;
            EXPECT_EQ(loaded.params.at(key).toString(), value.toString()) << kind << " parameter " << key;
        }
    }
}

TEST(ChartFormationTest, EditedLevelsComeBackFromTheFile)
{
    ChartFormation retracement = ChartFormation::Make(P::kFiboRetracement, {{1.0, 10.0}, {2.0, 20.0}});
    auto levels = std::make_shared<FiboLevelsContainer>();
    levels->SetNegativesAllowed(false);
    levels->AddLevel({-12.5, true});
    levels->AddLevel({78.6, false});
    ASSERT_TRUE(retracement.Set(P::FiboLevels, FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(levels))));
    const auto loadedLevels = FiboOf(RoundTrip(retracement));
    ASSERT_TRUE(loadedLevels);
    ASSERT_EQ(loadedLevels->Size(), 2u);
    EXPECT_FALSE(loadedLevels->NegativesAllowed());
    EXPECT_EQ(loadedLevels->Level(0).value, -12.5);
    EXPECT_FALSE(loadedLevels->Level(1).enabled);

    ChartFormation fan = ChartFormation::Make(P::kGannFan, {{1.0, 10.0}, {2.0, 20.0}});
    GannOf(fan)->BaseLevel().visible = false;
    GannOf(fan)->HorizontalLevel(3).visible = false;
    const auto gann = GannOf(RoundTrip(fan));
    ASSERT_TRUE(gann);
    EXPECT_FALSE(gann->BaseLevel().visible);
    EXPECT_FALSE(gann->HorizontalLevel(3).visible);
    EXPECT_TRUE(gann->VerticalLevel(0).visible);
    EXPECT_TRUE(gann->HorizontalLevel(2).visible);
}

TEST(ChartFormationTest, AParameterIsWrittenOnlyWhereTheKindHasItAndTheValueCanBeDrawn)
{
    struct Case
    {
        FormationType kind;
        P::Type type;
        SimpleValue value;
        bool accepted;
    };
    const Case cases[] = {
        {P::kCycleLines, P::CycleLength, 12u, true},
        {P::kCycleLines, P::CycleLength, 0u, false},
        {P::kCycleLines, P::CycleLength, -3.0, false},
        {P::kCycleLines, P::CycleLength, 1e12, false},
        {P::kFiboTimeZones, P::TimeZoneMultiplier, 0.0, false},
        {P::kFiboTimeZones, P::TimeZoneMultiplier, 2.0, true},
        {P::kGannLine, P::GannIncrement, std::numeric_limits<double>::infinity(), false},
        {P::kRegressionChannel, P::ChannelType, 3u, false},
        {P::kRegressionChannel, P::ChannelPrice, 3u, true},
        {P::kRegressionChannel, P::OtherPricesAvailable, false, false},
        {P::kRegressionChannel, P::Deviation, -1.0, false},
        {P::kAngleLine, P::Angle, QStringLiteral("abc"), false},
        {P::kAngleLine, P::Angle, 30.0, true},
        {P::kSegment, P::Angle, 30.0, false},
        {P::kFiboRetracement, P::FiboLevels, FormationLevels::Wrap(std::make_shared<FiboFormationParamValue>(nullptr)), false},
        {P::kFiboRetracement, P::FiboLevels, FormationLevels::Wrap(std::make_shared<GannFanFormationLevelsParam>(
                                                 GannFanLevelsContainer::CreateDefault())),
         false},
    };
    for (const Case& one : cases)
    {
        ChartFormation formation = ChartFormation::Make(one.kind, {{1.0, 10.0}, {2.0, 20.0}});
        const SimpleValue before = formation.Get(one.type);
        EXPECT_EQ(formation.Set(one.type, one.value), one.accepted) << one.kind << " " << one.type;
        if (!one.accepted)
        {
            EXPECT_EQ(formation.Get(one.type), before) << one.kind << " " << one.type;
        }
    }
}

TEST(ChartFormationTest, ADuplicateHasLevelsOfItsOwn)
{
    const ChartFormation original = ChartFormation::Make(P::kFiboRetracement, {{1.0, 10.0}, {2.0, 20.0}});
    const ChartFormation copy = original.Clone();
    FiboOf(copy)->Level(0).enabled = false;
    EXPECT_TRUE(FiboOf(original)->Level(0).enabled);
}

TEST(ChartFormationTest, TheFirstVersionsTrendLineLoadsAsALineAndUnknownKindsAreLeftOut)
{
    Settings node;
    Settings& old = node["Formations"].AddUnnamed();
    old["Type"] = 1;
    old["BeginTime"] = 45000.5;
    old["BeginValue"] = 10.25;
    old["EndTime"] = 45003.0;
    old["EndValue"] = 12.5;
    old["ExtendRight"] = true;
    node["Formations"].AddUnnamed()["Type"] = 99;

    std::vector<ChartFormation> loaded;
    const Settings& saved = node;
    ConstSettingsIterator entries = saved["Formations"].IteratorUnnamed(1);
    while (entries.Iterate())
        if (std::optional<ChartFormation> formation = ChartFormation::Load(entries.Node()))
            loaded.push_back(*formation);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].type, P::kSegment);
    EXPECT_EQ(loaded[0].points[1].value, 12.5);
    EXPECT_TRUE(loaded[0].Flag(P::ExtendToEnd));
    EXPECT_FALSE(loaded[0].Flag(P::ExtendToBegin));
}

TEST(ChartFormationTest, DefaultFiboLevelsAreTheSameEveryTime)
{
    const auto first = FiboLevelsContainer::CreateDefalutFiboLevels(true);
    const auto second = FiboLevelsContainer::CreateDefalutFiboLevels(false);
    ASSERT_EQ(first->Size(), second->Size());
    for (std::size_t i = 0; i < first->Size(); ++i)
        EXPECT_EQ(first->Level(i).value, second->Level(i).value);
    EXPECT_TRUE(first->NegativesAllowed());
    EXPECT_FALSE(second->NegativesAllowed());
    EXPECT_EQ(first->Level(4).value, 61.8);
}
