#include "modulelibs/chart/ChartActiveObjects.h"
#include "modulelibs/chart/ChartBars.h"
#include "modulelibs/chart/ChartDocument.h"
#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/IChartHost.h"
#include "platform/settings/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

class FakeHost : public IChartHost
{
public:
    void Redraw() override { ++redraws; }
    void ReloadData() override { ++reloads; }
    bool CurrentScale(int, double& minimum, double& maximum) const override
    {
        minimum = 10.0;
        maximum = 20.0;
        return true;
    }
    int BarCount() const override { return 1000; }
    bool AskNumber(const QString&, const QString&, int, int, int, int& result) override
    {
        result = answer;
        return answer > 0;
    }

    int redraws = 0;
    int reloads = 0;
    int answer = 0;
};

constexpr double kMinute = 1.0 / 1440.0;

ChartDocument MakeDocument()
{
    return ChartDocument::Standard(QStringLiteral("Kelvora OnLine"), QStringLiteral("KGHM"), QStringLiteral("GPW"),
                                   DataRequestParams(DataRequestParams::kMinute, 1, 200), ShowedRange(0, 50), 3);
}

}

TEST(ChartBarsTest, TicksFoldIntoTheBarOfTheirInterval)
{
    struct Case
    {
        DataRequestParams request;
        std::vector<double> minutes;  // tick times in minutes after midnight of day 45000
        int bars;
    };
    const Case cases[] = {
        {DataRequestParams(DataRequestParams::kMinute, 1, 0), {0.0, 0.5, 0.99, 1.0, 2.5}, 3},
        {DataRequestParams(DataRequestParams::kMinute, 5, 0), {0.0, 4.9, 5.0, 9.0}, 2},
        {DataRequestParams(DataRequestParams::kTick, 2, 0), {0.0, 0.0, 0.0, 0.0, 0.0}, 3},
        {DataRequestParams(DataRequestParams::kDay, 1, 0), {0.0, 600.0, 1440.0}, 2},
    };
    for (const Case& c : cases)
    {
        ChartBars bars(c.request);
        double price = 10.0;
        for (const double minute : c.minutes)
            bars.AppendTick(45000.0 + minute * kMinute, price += 1.0, 1.0);
        EXPECT_EQ(bars.Count(), c.bars) << c.request.interval << "x" << c.request.multiplicity;
    }
}

TEST(ChartBarsTest, ABarKeepsOpenHighLowCloseAndVolume)
{
    ChartBars bars(DataRequestParams(DataRequestParams::kMinute, 1, 0));
    for (const double price : {10.0, 12.0, 9.0, 11.0})
        bars.AppendTick(45000.0 + 0.1 * kMinute, price, 2.0);
    bars.AppendTick(45000.0, std::numeric_limits<double>::quiet_NaN(), 1.0);
    ASSERT_EQ(bars.Count(), 1);
    const PriceBar& bar = bars.At(0);
    EXPECT_EQ(bar.open, 10.0);
    EXPECT_EQ(bar.high, 12.0);
    EXPECT_EQ(bar.low, 9.0);
    EXPECT_EQ(bar.close, 11.0);
    EXPECT_EQ(bar.volume, 8.0);
}

TEST(ChartDocumentTest, AWindowFileKeepsSeriesIntervalRangeFormationsAndStyle)
{
    ChartDocument document = MakeDocument();
    document.request = DataRequestParams(DataRequestParams::kDay, 1, 300);
    document.range = ShowedRange(7, 40);
    document.zoomed = true;
    document.timeAxisType = 2;
    document.series[0].chartType = 2;
    document.series[2].hidden = true;
    document.views[0].fixedScale = true;
    document.views[0].fixedMin = 5.0;
    document.views[0].fixedMax = 9.5;
    ChartFormation line = ChartFormation::Make(FormationParam::kSegment, {{45000.5, 10.25}, {45003.0, 12.5}});
    line.Set(FormationParam::ExtendToEnd, true);
    line.styleId = 3;
    line.seriesId = 1;
    document.formations.push_back(line);
    document.appliedParams[{1, 6}] = 0x00112233;
    document.styleIds[2] = 17;

    Settings node;
    document.Save(node);
    ChartDocument loaded;
    ASSERT_TRUE(loaded.Load(node));
    EXPECT_EQ(loaded.ticker, QStringLiteral("KGHM"));
    EXPECT_EQ(loaded.request.interval, DataRequestParams::kDay);
    EXPECT_EQ(loaded.request.historyCount, 300);
    EXPECT_EQ(loaded.range.rightOffset, 7);
    EXPECT_EQ(loaded.range.barCount, 40);
    EXPECT_TRUE(loaded.zoomed);
    EXPECT_EQ(loaded.timeAxisType, 2);
    ASSERT_EQ(loaded.series.size(), 3u);
    EXPECT_EQ(loaded.series[0].chartType, 2);
    EXPECT_TRUE(loaded.series[2].hidden);
    EXPECT_TRUE(loaded.views[0].fixedScale);
    EXPECT_EQ(loaded.views[0].fixedMax, 9.5);
    ASSERT_EQ(loaded.formations.size(), 1u);
    EXPECT_EQ(loaded.formations[0].points[0].value, 10.25);
    EXPECT_TRUE(loaded.formations[0].Flag(FormationParam::ExtendToEnd));
    EXPECT_EQ(loaded.formations[0].seriesId, 1);
    EXPECT_EQ(loaded.Param(1, 6), 0x00112233);
    EXPECT_EQ(loaded.styleIds[2], 17);
}

TEST(ChartDocumentTest, AnUnreadableChartLeavesTheDocumentAsItWas)
{
    ChartDocument document = MakeDocument();
    Settings good;
    document.Save(good);

    Settings noTicker = good;
    noTicker["Ticker"] = QStringLiteral("");
    Settings badInterval = good;
    badInterval["Interval"] = 42;
    Settings noViews;
    noViews["Ticker"] = QStringLiteral("KGHM");

    for (const Settings* node : {&noTicker, &badInterval, &noViews, &Settings::InvalidVariable()})
    {
        ChartDocument target = MakeDocument();
        target.ticker = QStringLiteral("PKN");
        EXPECT_FALSE(target.Load(*node));
        EXPECT_EQ(target.ticker, QStringLiteral("PKN"));
    }
}

TEST(ChartActiveObjectsTest, ADegenerateOrNonFiniteAxisRangeIsIgnored)
{
    ChartDocument document = MakeDocument();
    FakeHost host;
    ChartActiveObjects active(document, host);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [minimum, maximum] : {std::pair{5.0, 5.0}, std::pair{6.0, 5.0}, std::pair{nan, 5.0},
                                           std::pair{0.0, std::numeric_limits<double>::infinity()}})
    {
        active.SetMinMaxAxisValue(minimum, maximum);
        EXPECT_FALSE(active.MinOrMaxActiveValueScaleWasChanged()) << minimum << " " << maximum;
    }
    active.SetMinMaxAxisValue(1.0, 2.0);
    EXPECT_TRUE(active.MinOrMaxActiveValueScaleWasChanged());
    active.RevertAxicValueChanges();
    EXPECT_FALSE(active.MinOrMaxActiveValueScaleWasChanged());
}

TEST(ChartActiveObjectsTest, DisplayParametersPreviewApplyCancelAndRestore)
{
    ChartDocument document = MakeDocument();
    FakeHost host;
    ChartActiveObjects active(document, host);
    const int background = active.GetCbsParams(1, 6);

    active.ChangeCbsParams(1, 6, 0x0000FF);
    EXPECT_EQ(active.GetCbsParams(1, 6), 0x0000FF);
    active.CancelCbsParams();
    EXPECT_EQ(active.GetCbsParams(1, 6), background);

    active.ChangeCbsParams(1, 6, 0x0000FF);
    active.ApplyCbsParams();
    active.ChangeCbsParams(1, 6, ActiveObjectsContainer::kStyleValue);
    EXPECT_EQ(active.GetCbsParams(1, 6), background);
    active.CancelCbsParams();
    EXPECT_EQ(active.GetCbsParams(1, 6), 0x0000FF);

    const int font = active.GetCbsParams(0, 32);
    active.ChangeCbsParams(0, 32, ActiveObjectsContainer::kStepLarger);
    active.ChangeCbsParams(0, 32, ActiveObjectsContainer::kStepLarger);
    active.ApplyCbsParams();
    EXPECT_EQ(active.GetCbsParams(0, 32), font + 2);

    active.CbsRestore(1);
    EXPECT_EQ(active.GetCbsParams(1, 6), background);
    EXPECT_EQ(active.GetCbsParams(0, 32), font + 2);
    active.CbsRestoreAll();
    EXPECT_EQ(active.GetCbsParams(0, 32), font);
}

TEST(ChartActiveObjectsTest, TheActiveFormationsParametersAndCopies)
{
    ChartDocument document = MakeDocument();
    FakeHost host;
    ChartActiveObjects active(document, host);
    EXPECT_FALSE(active.IsFormationActive());
    EXPECT_EQ(active.GetActivateContext(), 1);
    document.formations.push_back(ChartFormation::Make(FormationParam::kSegment, {{45000.0, 10.0}, {45001.0, 11.0}}));
    document.activeFormation = 0;
    EXPECT_EQ(active.GetActivateContext(), 3);

    active.UpdateActiveFormationParameter(FormationParam::Name, QStringLiteral("Opór"));
    active.UpdateActiveFormationParameter(FormationParam::ExtendToBegin, true);
    EXPECT_EQ(active.GetActiveFormationParameter(FormationParam::Name).toString(), QStringLiteral("Opór"));
    EXPECT_TRUE(active.GetActiveFormationParameter(FormationParam::ExtendToBegin).toBool());
    const int redraws = host.redraws;
    active.UpdateActiveFormationParameter(FormationParam::Angle, 30.0);
    EXPECT_FALSE(active.GetActiveFormationParameter(FormationParam::Angle).isValid());
    EXPECT_EQ(host.redraws, redraws);

    active.DuplicateActiveFormation();
    ASSERT_EQ(document.formations.size(), 2u);
    EXPECT_EQ(document.activeFormation, 1);
    EXPECT_LT(document.formations[1].points[0].value, 10.0);
    active.RemoveActiveFormation();
    EXPECT_EQ(document.formations.size(), 1u);
    EXPECT_FALSE(active.IsFormationActive());
    active.RemoveAllFormations();
    EXPECT_FALSE(active.HasFormations());
}

TEST(ChartActiveObjectsTest, HiddenSeriesComeBackInAViewOfTheirOwnThatGoesWithThem)
{
    ChartDocument document = MakeDocument();
    FakeHost host;
    ChartActiveObjects active(document, host);
    document.selectedView = document.views[1].id;
    active.RemoveSelectedView();
    EXPECT_EQ(document.views.size(), 1u);
    ASSERT_EQ(active.GetHiddenSeriesCount(), 1);

    const SeriesObj volume = active.GetDataHiddenSeries().front().first;
    const int view = active.RevertCurrentSeries(volume);
    EXPECT_NE(view, 0);
    EXPECT_EQ(document.views.size(), 2u);
    active.RemoveSeriesFromView(volume);
    active.RemoveRevertedView(view);
    EXPECT_EQ(document.views.size(), 1u);
    EXPECT_EQ(active.GetHiddenSeriesCount(), 1);
}

TEST(ChartActiveObjectsTest, AChosenIntervalRequestsTheDataAgainOnlyWhenItChanges)
{
    ChartDocument document = MakeDocument();
    FakeHost host;
    ChartActiveObjects active(document, host);
    active.ChangeRangeAndIntervalForRightRequests();
    active.SetChosenInterval(DataRequestParams::kMinute);
    active.ChangeRangeAndIntervalForRightRequests();
    EXPECT_EQ(host.reloads, 0);
    active.SetChosenInterval(DataRequestParams::kDay);
    active.ChangeRangeAndIntervalForRightRequests();
    EXPECT_EQ(host.reloads, 1);
    EXPECT_EQ(document.request.interval, DataRequestParams::kDay);
}

TEST(ChartLayoutTest, TheNewestBarStaysWhollyInsideThePlot)
{
    const ChartDocument document = MakeDocument();
    ChartBars bars(DataRequestParams(DataRequestParams::kMinute, 1, 0));
    for (int minute = 0; minute < 120; ++minute)
        bars.AppendTick(45000.0 + minute * kMinute, 10.0 + minute % 7, 1.0);
    for (const int width : {300, 640, 1601})
    {
        const ChartLayout layout(document, bars, QRect(0, 0, width, 400));
        ASSERT_FALSE(layout.Views().empty());
        const int plotRight = layout.Views().front().rect.right();
        const double newestRight = layout.BarX(layout.LastBar()) + layout.BarWidth() / 2;
        EXPECT_LT(newestRight, plotRight) << width;
    }
}
