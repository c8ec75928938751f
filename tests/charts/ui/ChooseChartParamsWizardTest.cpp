#include "charts/ui/AssetChoicePane.h"
#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChooseAssetChartParamsQ4Prime.h"
#include "charts/ui/ChooseAssetChartParamsSheet.h"
#include "charts/ui/ChooseAssetPropertyPage.h"
#include "charts/ui/ChooseChartParamsPropertyPage.h"
#include "charts/ui/DateEditCtrl.h"
#include "charts/ui/MultiplicityEditCtrl.h"
#include "core/mediator/ChooseAssetDlgComponent.h"
#include "core/mediator/ChooseAssetPage.h"
#include "modulelibs/chart/ChartDataRange.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "modulelibs/chart/ChartsDateHelper.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

class ChooseChartParamsWizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        QSettings(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4")).remove(QStringLiteral("ChooseAssetChartParams"));
    }

    AssetChoiceServices Services()
    {
        AssetChoiceServices services;
        ProviderBase* feed = &m_feed;
        services.providers.all = [feed] { return std::vector<ProviderBase*>{feed}; };
        services.providers.defaultProvider = [feed] { return feed; };
        services.setDefaultProvider = [](ProviderBase*) {};
        services.showError = [this](const QString& text) { errors << text; };
        return services;
    }

    Asset Instrument(unsigned kinds) const
    {
        return Asset(const_cast<SimFeedProvider*>(&m_feed), QString(), QStringLiteral("KRK"), QStringLiteral("Krakvia"),
                     QStringLiteral("GPW"), AssetParams(kinds));
    }

    // A parameters page started for the instrument, as the wizard starts it.
    std::unique_ptr<ChooseChartParamsPropertyPage> Page(unsigned kinds)
    {
        EXPECT_TRUE(m_params.SelectedAsset(Instrument(kinds)));
        auto page = std::make_unique<ChooseChartParamsPropertyPage>(m_params);
        page->initializePage();
        return page;
    }

    static void SelectInterval(ChooseChartParamsPropertyPage& page, EInterval interval)
    {
        page.IntervalCombo()->setCurrentIndex(page.IntervalCombo()->findData(interval));
    }

    TempHome m_home;
    SimFeedProvider m_feed;
    BLChooseAssetChartParams m_params;
    QStringList errors;
};

TEST_F(ChooseChartParamsWizardTest, ModesWithoutTheirReferencesShowNothing)
{
    bool ran = false;
    ChooseAssetChartParamsQ4Prime chooser(Services(), [&ran](ChooseAssetChartParamsSheet&) { return ran = true; });
    auto asset = std::make_shared<Asset>(Instrument(AssetParams::kAll));
    std::shared_ptr<Asset> none;
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = 0;
    int axis = 0;
    EXPECT_FALSE(chooser.RunWizard(3, &asset, &request, &range, &chartType, &axis));
    EXPECT_FALSE(chooser.RunWizard(-1, &asset, &request, &range, &chartType, &axis));
    EXPECT_FALSE(chooser.RunWizard(0, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(chooser.RunWizard(1, &none, &request, &range, &chartType, &axis));
    EXPECT_FALSE(chooser.RunWizard(1, &asset, &request, nullptr, &chartType, &axis));
    EXPECT_FALSE(chooser.RunWizard(2, &asset, &request, &range, &chartType, nullptr));
    EXPECT_FALSE(ran);

    // The larger chooser refuses an instrument without a provider with its message.
    EXPECT_FALSE(chooser.ChooseChartParamsForAsset(Asset(nullptr, QString(), QStringLiteral("X"), QStringLiteral("X"),
                                                         QString(), AssetParams(AssetParams::kAll)),
                                                   request, range, chartType, axis));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Nie można otworzyć wykresu dla podanego instrumentu.")});
    EXPECT_FALSE(ran);
}

TEST_F(ChooseChartParamsWizardTest, PageOffersTheIntervalsInOrderWithTheLastOneChosen)
{
    m_params.SetInterval(DataRequestParams::kMinute);
    m_params.SetMultiplicity(15);
    auto page = Page(AssetParams::kAll);
    QStringList labels;
    for (int item = 0; item < page->IntervalCombo()->count(); ++item)
        labels << page->IntervalCombo()->itemText(item);
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Tikowy"), QStringLiteral("Minutowy"), QStringLiteral("Dzienny")}));
    EXPECT_EQ(page->GetSelectedInterval(), DataRequestParams::kMinute);
    EXPECT_EQ(page->MultiplicityEdit()->GetValue(), 15);
    EXPECT_TRUE(page->ChartTypeButton(3)->isEnabled());
    EXPECT_TRUE(page->SessionsRadio()->isChecked());
    EXPECT_TRUE(page->SessionsEdit()->isEnabled());
    EXPECT_FALSE(page->DateFrom()->isEnabled());
    EXPECT_FALSE(page->ScaleButton(3)->isVisibleTo(page.get()));

    // Ticks gathered by three: only the transaction scale, and no bars or candles.
    SelectInterval(*page, DataRequestParams::kTick);
    page->MultiplicityEdit()->SetValue(3);
    EXPECT_FALSE(page->ScaleButton(1)->isEnabled());
    EXPECT_FALSE(page->ScaleButton(2)->isEnabled());
    EXPECT_TRUE(page->ScaleButton(0)->isChecked());
    EXPECT_FALSE(page->ChartTypeButton(2)->isEnabled());
    EXPECT_FALSE(page->ChartTypeButton(3)->isEnabled());
    EXPECT_TRUE(page->ChartTypeButton(0)->isChecked());
    page->MultiplicityEdit()->SetValue(1);
    EXPECT_TRUE(page->ScaleButton(1)->isEnabled());
}

TEST_F(ChooseChartParamsWizardTest, WithoutHistoryTheRangeIsOffAndFinishGivesTodaysSession)
{
    m_params.SetInterval(DataRequestParams::kTick);
    auto page = Page(AssetParams::kRecord | AssetParams::kCurrentState);
    for (QWidget* control : std::initializer_list<QWidget*>{page->DatesRadio(), page->SessionsRadio(), page->DateFrom(),
                                                           page->DateTo(), page->SessionsEdit()})
        EXPECT_FALSE(control->isEnabled());
    ASSERT_TRUE(page->OnWizardFinish());
    std::shared_ptr<Asset> asset;
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = -1;
    int axis = -1;
    ASSERT_TRUE(m_params.GetParams(asset, request, range, chartType, axis));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(request->interval, DataRequestParams::kTick);
    EXPECT_EQ(request->GetDateFrom(), today);
    EXPECT_EQ(request->GetDateTo(), today);
    EXPECT_EQ(request->GetKindData(), AssetParams::kRecord | AssetParams::kCurrentState);
    EXPECT_EQ(range->GetKindData(), AssetParams::kRecord | AssetParams::kCurrentState);
}

TEST_F(ChooseChartParamsWizardTest, DatesMirrorEachOtherAndTheSessionCountFollows)
{
    m_params.SetInterval(DataRequestParams::kDay);
    auto page = Page(AssetParams::kAll);
    page->DatesRadio()->click();
    EXPECT_TRUE(page->DateFrom()->isEnabled());
    EXPECT_FALSE(page->SessionsEdit()->isEnabled());
    QDate tenBack;
    ASSERT_TRUE(ChartsDateHelper::GetDateForGivenSessionCount(10, tenBack));
    page->DateFrom()->SetDate(tenBack);
    page->OnDateFromChanged(tenBack);
    const QDate weekEarlier = tenBack.addDays(-7);
    page->DateTo()->SetDate(weekEarlier);
    page->OnDateToChanged(weekEarlier);
    EXPECT_EQ(page->DateFrom()->GetDate(), weekEarlier);
    EXPECT_EQ(page->SessionsEdit()->GetValue(), 1);
    EXPECT_TRUE(page->IsRangeEdited());

    // A count of no sessions moves no date.
    page->SessionsRadio()->click();
    page->SessionsEdit()->SetValue(0);
    EXPECT_EQ(page->DateFrom()->GetDate(), weekEarlier);
    page->SessionsEdit()->SetValue(10);
    EXPECT_EQ(page->DateFrom()->GetDate(), tenBack);
    EXPECT_EQ(page->DateTo()->GetDate(), QDate::currentDate());
}

TEST_F(ChooseChartParamsWizardTest, FinishRefusesInvalidFieldsAndWritesDefaultsIntoThem)
{
    struct Case
    {
        const char* what;
        std::function<void(ChooseChartParamsPropertyPage&)> spoil;
        std::function<bool(ChooseChartParamsPropertyPage&)> repaired;
    };
    const Case cases[] = {
        {"multiplicity", [](ChooseChartParamsPropertyPage& page) { page.MultiplicityEdit()->SetValue(100000); },
         [](ChooseChartParamsPropertyPage& page) { return !page.MultiplicityEdit()->styleSheet().isEmpty(); }},
        {"sessions", [](ChooseChartParamsPropertyPage& page) { page.SessionsEdit()->setText(QString()); },
         [](ChooseChartParamsPropertyPage& page) { return page.SessionsEdit()->GetValue() == BLChooseAssetChartParams::kDaySessions; }},
        {"date from", [](ChooseChartParamsPropertyPage& page) { page.DateFrom()->setText(QStringLiteral("31-02-2026")); },
         [](ChooseChartParamsPropertyPage& page) { return page.DateFrom()->IsValid(); }},
        {"date to", [](ChooseChartParamsPropertyPage& page) { page.DateTo()->setText(QStringLiteral("00-00-0000")); },
         [](ChooseChartParamsPropertyPage& page) { return page.DateTo()->GetDate() == QDate::currentDate(); }},
    };
    for (const Case& c : cases)
    {
        m_params.SetInterval(DataRequestParams::kDay);
        auto page = Page(AssetParams::kAll);
        c.spoil(*page);
        EXPECT_FALSE(page->OnWizardFinish()) << c.what;
        EXPECT_TRUE(c.repaired(*page)) << c.what;
    }

    // An instrument with no intervals: the list and the multiplicity are off and Finish stays.
    BLChooseAssetChartParams empty;
    ChooseChartParamsPropertyPage page(empty);
    page.initializePage();
    EXPECT_FALSE(page.IntervalCombo()->isEnabled());
    EXPECT_FALSE(page.MultiplicityEdit()->isEnabled());
    EXPECT_FALSE(page.OnWizardFinish());
}

TEST_F(ChooseChartParamsWizardTest, BothPagesOpenAChartOfTheChosenIntervalAndSessions)
{
    ChooseAssetChartParamsQ4Prime chooser(Services(), [](ChooseAssetChartParamsSheet& sheet) {
        sheet.OnInitDialog();
        sheet.restart();
        auto* assets = qobject_cast<ChooseAssetPropertyPage*>(sheet.currentPage());
        ChooseAssetPage* list = assets->Pane().Component().GetActivePage();
        list->SetFilter(QStringLiteral("Kra"));
        list->List()->setCurrentRow(0);
        sheet.next();
        auto* params = qobject_cast<ChooseChartParamsPropertyPage*>(sheet.currentPage());
        EXPECT_NE(params, nullptr);
        if (!params)
            return false;
        params->IntervalCombo()->setCurrentIndex(params->IntervalCombo()->findData(DataRequestParams::kMinute));
        params->MultiplicityEdit()->SetValue(5);
        params->SessionsRadio()->click();
        params->SessionsEdit()->SetValue(3);
        params->ChartTypeButton(3)->click();
        return sheet.validateCurrentPage();
    });
    std::shared_ptr<Asset> asset;
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = -1;
    int axis = -1;
    ASSERT_TRUE(chooser.ChooseAssetAndChartParams(asset, request, range, chartType, axis));
    ASSERT_TRUE(asset && request && range);
    EXPECT_EQ(asset->GetShortName(), QStringLiteral("KRK"));
    EXPECT_EQ(request->interval, DataRequestParams::kMinute);
    EXPECT_EQ(request->multiplicity, 5);
    EXPECT_EQ(range->rangeType, ShowedRange::kSessions);
    EXPECT_EQ(range->sessionsCount, 3);
    EXPECT_TRUE(request->IsLive());
    EXPECT_NE(request->GetKindData() & BLChooseAssetChartParams::kHistory, 0u);
    EXPECT_EQ(chartType, 3);

    BLChooseAssetChartParams remembered;
    ASSERT_TRUE(remembered.LoadLastChosenState());
    EXPECT_EQ(remembered.GetLastChosenInterval(), DataRequestParams::kMinute);
    EXPECT_EQ(remembered.GetLastChosenMultiplicity(), 5);
    EXPECT_EQ(remembered.GetLastChosenButtonID(), BLChooseAssetChartParams::IDC_RANGE_SESSIONS);

    ChartModuleConsumer charts;
    QWidget panel;
    panel.resize(600, 400);
    ASSERT_TRUE(charts.OpenNewChart(&panel, *asset, request, range, chartType, axis));
    ChartWindow* chart = panel.findChild<ChartWindow*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Document().request.interval, DataRequestParams::kMinute);
    EXPECT_EQ(chart->Document().request.multiplicity, 5);
    EXPECT_EQ(chart->Document().request.historyCount, 3 * ChartDataRange::kMinuteSessionBars / 5);
    EXPECT_EQ(chart->Document().range.barCount, 3 * ChartDataRange::kMinuteSessionBars / 5);
    EXPECT_EQ(chart->Document().range.rightOffset, 0);
}

// What Finish asks for: dates from the pickers or sessions back from today, history for a start in
// the past and the live kinds only for a range that reaches today.
TEST_F(ChooseChartParamsWizardTest, FinishBuildsTheRangeTypeDatesAndKinds)
{
    QDate today = QDate::currentDate();
    QDate fiveBack;
    QDate twoBack;
    ASSERT_TRUE(ChartsDateHelper::GetDateForGivenSessionCount(6, fiveBack, today));
    ASSERT_TRUE(ChartsDateHelper::GetDateForGivenSessionCount(3, twoBack, today));
    const unsigned live = AssetParams::kRecord | AssetParams::kCurrentState;
    struct Case
    {
        const char* what;
        unsigned assetKinds;
        bool byDates;
        QDate from;
        QDate to;
        ShowedRange::EShowedRange type;
        QDate wantFrom;
        QDate wantTo;
        unsigned wantKinds;
    };
    const Case cases[] = {
        {"no history", live, true, fiveBack, twoBack, ShowedRange::kDates, today, today, live},
        {"dates up to today", AssetParams::kAll, true, fiveBack, today, ShowedRange::kDates, fiveBack, today,
         AssetParams::kAll | BLChooseAssetChartParams::kHistory},
        {"dates in the past", AssetParams::kAll, true, fiveBack, twoBack, ShowedRange::kDates, fiveBack, twoBack,
         BLChooseAssetChartParams::kHistory},
        {"today only", AssetParams::kAll, true, today, today, ShowedRange::kDates, today, today, AssetParams::kAll},
        {"six sessions", AssetParams::kAll, false, today, today, ShowedRange::kSessions, fiveBack, today,
         AssetParams::kAll | BLChooseAssetChartParams::kHistory},
    };
    for (const Case& c : cases)
    {
        BLChooseAssetChartParams params;
        params.SetInterval(DataRequestParams::kDay);
        ASSERT_TRUE(params.SelectedAsset(Instrument(c.assetKinds))) << c.what;
        ChooseChartParamsPropertyPage page(params);
        page.initializePage();
        if (params.SupportHistry())
        {
            (c.byDates ? page.DatesRadio() : page.SessionsRadio())->click();
            if (c.byDates)
            {
                page.DateTo()->SetDate(c.to);
                page.DateFrom()->SetDate(c.from);
            }
            else
            {
                page.SessionsEdit()->SetValue(6);
            }
        }
        ASSERT_TRUE(page.OnWizardFinish()) << c.what;
        std::shared_ptr<Asset> asset;
        std::shared_ptr<DataRequestParams> request;
        std::shared_ptr<ShowedRange> range;
        int chartType = -1;
        int axis = -1;
        ASSERT_TRUE(params.GetParams(asset, request, range, chartType, axis)) << c.what;
        EXPECT_EQ(range->rangeType, c.type) << c.what;
        EXPECT_EQ(request->GetDateFrom(), c.wantFrom) << c.what;
        EXPECT_EQ(request->GetDateTo(), c.wantTo) << c.what;
        EXPECT_EQ(request->GetKindData(), c.wantKinds) << c.what;
        EXPECT_EQ(range->GetKindData(), c.wantKinds) << c.what;
        EXPECT_EQ(request->IsLive(), c.wantTo == today) << c.what;
        if (c.type == ShowedRange::kSessions)
        {
            EXPECT_EQ(range->currentSessionsCount, 6) << c.what;
        }
    }
}

} // namespace
