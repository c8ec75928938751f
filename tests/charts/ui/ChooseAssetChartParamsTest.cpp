#include "charts/ui/AssetChoicePane.h"
#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChooseAssetAndChartParamsDlg.h"
#include "charts/ui/ChooseAssetChartParamsQ4Classic.h"
#include "charts/ui/ChooseAssetChartParamsSheet.h"
#include "charts/ui/ChooseAssetPropertyPage.h"
#include "core/mediator/ChooseAssetDlgComponent.h"
#include "core/mediator/ChooseAssetPage.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

class ChooseAssetChartParamsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        QSettings(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4")).remove(QStringLiteral("ChooseAssetChartParams"));
    }

    AssetChoiceServices Services(std::vector<ProviderBase*> providers)
    {
        AssetChoiceServices services;
        services.providers.all = [providers] { return providers; };
        services.providers.defaultProvider = [providers] { return providers.empty() ? nullptr : providers.front(); };
        services.setDefaultProvider = [this](ProviderBase* provider) { defaults.push_back(provider); };
        services.showError = [this](const QString& text) { errors << text; };
        services.writeError = [this](const QString&, int, const QString& text) { logged << text; };
        return services;
    }

    static void Pick(ChooseAssetPage& page, const QString& ticker)
    {
        page.SetFilter(ticker);
        page.List()->setCurrentRow(0);
    }

    TempHome m_home;
    SimFeedProvider m_feed;
    std::vector<ProviderBase*> defaults;
    QStringList errors;
    QStringList logged;
};

TEST_F(ChooseAssetChartParamsTest, ParamsForAnAssetNeedRecordsOrSynchronisation)
{
    ChooseAssetChartParamsQ4Classic chooser(Services({}));
    struct Case
    {
        std::optional<AssetParams> params;
        bool chosen;
        std::vector<unsigned> kinds;
    };
    const Case cases[] = {{std::nullopt, false, {}},
                          {AssetParams(AssetParams::kCurrentState), false, {}},
                          {AssetParams(AssetParams::kRecord | AssetParams::kCurrentState), true, {1, 2}},
                          {AssetParams(AssetParams::kSynchro), true, {4}},
                          {AssetParams(AssetParams::kAll), true, {1, 4, 2}}};
    const QDate today = QDate::currentDate();
    for (const Case& c : cases)
    {
        const Asset asset(&m_feed, QString(), QStringLiteral("KLV"), QStringLiteral("Kelvora Holding"), QStringLiteral("GPW"),
                          c.params);
        std::shared_ptr<DataRequestParams> request;
        std::shared_ptr<ShowedRange> range;
        int chartType = 7;
        int axis = 7;
        EXPECT_EQ(chooser.ChooseChartParamsForAsset(asset, request, range, chartType, axis), c.chosen);
        if (!c.chosen)
        {
            EXPECT_FALSE(request);
            EXPECT_EQ(chartType, 7);
            continue;
        }
        ASSERT_TRUE(request && range);
        EXPECT_EQ(request->interval, DataRequestParams::kTick);
        EXPECT_EQ(request->multiplicity, 1);
        EXPECT_TRUE(request->IsValid());
        EXPECT_EQ(request->GetKindsInOrder(), c.kinds);
        EXPECT_EQ(request->GetDateFrom(), today);
        EXPECT_EQ(request->GetDateTo(), today);
        EXPECT_EQ(range->GetKindsInOrder(), c.kinds);
        EXPECT_EQ(range->GetDateFrom(), today);
        EXPECT_EQ(range->rangeType, ShowedRange::kSessions);
        EXPECT_EQ(range->sessionsCount, 1);
        EXPECT_EQ(chartType, 0);
        EXPECT_EQ(axis, 0);
    }
}

TEST_F(ChooseAssetChartParamsTest, RememberedTickDisablesBarAndCandleUntilDaily)
{
    BLChooseAssetChartParams params;
    params.SetInterval(DataRequestParams::kTick);
    params.SetChartType(3);
    ChooseAssetAndChartParamsDlg dialog(params, Services({&m_feed}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nowy wykres"));
    EXPECT_TRUE(dialog.TickRadio()->isChecked());
    EXPECT_FALSE(dialog.ChartTypeButton(2)->isEnabled());
    EXPECT_FALSE(dialog.ChartTypeButton(3)->isEnabled());
    EXPECT_TRUE(dialog.ChartTypeButton(0)->isChecked());
    EXPECT_EQ(params.GetChartType(), 0);

    dialog.DayRadio()->click();
    EXPECT_TRUE(dialog.DayRadio()->isChecked());
    EXPECT_EQ(params.GetInterval(), DataRequestParams::kDay);
    EXPECT_TRUE(dialog.ChartTypeButton(2)->isEnabled());
    EXPECT_TRUE(dialog.ChartTypeButton(3)->isEnabled());
    EXPECT_TRUE(dialog.ChartTypeButton(0)->isChecked());
    dialog.ChartTypeButton(3)->click();
    EXPECT_EQ(params.GetChartType(), 3);
    EXPECT_FALSE(dialog.ChartTypeButton(0)->isChecked());
    EXPECT_EQ(dialog.Pane().ProviderButton()->text(), QStringLiteral("Kelvora OnLine"));
}

TEST_F(ChooseAssetChartParamsTest, OkTakesOnlyAnInstrumentThePageAccepts)
{
    BLChooseAssetChartParams params;
    ChooseAssetAndChartParamsDlg dialog(params, Services({&m_feed}));
    ChooseAssetPage* page = dialog.Pane().Component().GetActivePage();
    ASSERT_NE(page, nullptr);

    // A filter no instrument matches leaves nothing chosen: the page says why, the dialog stays.
    page->SetFilter(QStringLiteral("QQQ"));
    dialog.OnOk();
    EXPECT_EQ(errors, QStringList{QStringLiteral("Wybierz instrument z listy.")});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(defaults.empty());
    EXPECT_FALSE(params.GetAsset());

    // Polish letters and case: "śl" finds "Śląski Bank Rolniczy".
    Pick(*page, QStringLiteral("śl"));
    dialog.OnOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(params.GetAsset());
    EXPECT_EQ(params.GetAsset()->GetShortName(), QStringLiteral("SBR"));
    EXPECT_EQ(defaults, std::vector<ProviderBase*>{&m_feed});
}

TEST_F(ChooseAssetChartParamsTest, WithoutProvidersTheDialogHasNoPageAndOkDoesNothing)
{
    BLChooseAssetChartParams params;
    ChooseAssetAndChartParamsDlg dialog(params, Services({}));
    EXPECT_EQ(dialog.Pane().Component().GetActivePage(), nullptr);
    dialog.OnOk();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ChooseAssetChartParamsTest, NewChartOpensWithTheChosenInstrumentIntervalAndType)
{
    ChooseAssetChartParamsQ4Classic::Runners runners;
    bool accept = false;
    runners.dialog = [&accept](ChooseAssetAndChartParamsDlg& dialog) {
        Pick(*dialog.Pane().Component().GetActivePage(), QStringLiteral("Kra"));
        dialog.DayRadio()->click();
        dialog.ChartTypeButton(3)->click();
        if (accept)
            dialog.OnOk();
        return dialog.result() == QDialog::Accepted;
    };
    ChooseAssetChartParamsQ4Classic chooser(Services({&m_feed}), runners);
    std::shared_ptr<Asset> asset;
    std::shared_ptr<DataRequestParams> request;
    std::shared_ptr<ShowedRange> range;
    int chartType = -1;
    int axis = -1;

    // Cancel keeps nothing, not even the last choice.
    EXPECT_FALSE(chooser.ChooseAssetAndChartParams(asset, request, range, chartType, axis));
    BLChooseAssetChartParams remembered;
    EXPECT_FALSE(remembered.LoadLastChosenState());

    accept = true;
    ASSERT_TRUE(chooser.ChooseAssetAndChartParams(asset, request, range, chartType, axis));
    ASSERT_TRUE(asset && request && range);
    EXPECT_EQ(asset->GetShortName(), QStringLiteral("KRK"));
    EXPECT_EQ(request->interval, DataRequestParams::kDay);
    EXPECT_EQ(chartType, 3);
    ASSERT_TRUE(remembered.LoadLastChosenState());
    EXPECT_EQ(remembered.GetLastChosenInterval(), DataRequestParams::kDay);
    EXPECT_EQ(remembered.GetLastChosenChartType(), 3);

    ChartModuleConsumer charts;
    QWidget panel;
    panel.resize(600, 400);
    ASSERT_TRUE(charts.OpenNewChart(&panel, *asset, request, range, chartType, axis));
    ChartWindow* chart = panel.findChild<ChartWindow*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Document().ticker, QStringLiteral("KRK"));
    EXPECT_EQ(chart->Document().request.interval, DataRequestParams::kDay);
    EXPECT_EQ(chart->Document().request.historyCount, BLChooseAssetChartParams::kDaySessions);
    EXPECT_EQ(chart->Document().range.barCount, BLChooseAssetChartParams::kDaySessions);
    EXPECT_EQ(chart->Document().request.GetKindsInOrder(), (std::vector<unsigned>{8, 1, 4, 2}));
    EXPECT_EQ(chart->Document().series.front().chartType, 3);
}

TEST_F(ChooseAssetChartParamsTest, InstrumentWizardIsOnePageFinishedWithOk)
{
    ChooseAssetChartParamsQ4Classic::Runners runners;
    QString finishText;
    QString ticker = QStringLiteral("ekow");
    runners.wizard = [&](ChooseAssetChartParamsSheet& sheet) {
        sheet.OnInitDialog();
        finishText = sheet.buttonText(QWizard::FinishButton);
        EXPECT_EQ(sheet.pageIds().size(), 1);
        auto* page = qobject_cast<ChooseAssetPropertyPage*>(sheet.page(sheet.pageIds().front()));
        Pick(*page->Pane().Component().GetActivePage(), ticker);
        return page->OnWizardNext();
    };
    ChooseAssetChartParamsQ4Classic chooser(Services({&m_feed}), runners);
    Asset asset;
    ASSERT_TRUE(chooser.ChooseAsset(asset));
    EXPECT_EQ(finishText, QStringLiteral("OK"));
    EXPECT_EQ(asset.GetShortName(), QStringLiteral("EKW"));
    EXPECT_EQ(asset.GetProvider(), &m_feed);

    // No instrument chosen: the page's own message, the wizard stays.
    ticker = QStringLiteral("QQQ");
    Asset unchanged;
    EXPECT_FALSE(chooser.ChooseAsset(unchanged));
    EXPECT_TRUE(unchanged.IsEmpty());
    EXPECT_EQ(errors, QStringList{QStringLiteral("Wybierz instrument z listy.")});
}

TEST_F(ChooseAssetChartParamsTest, WizardRefusesAnInstrumentWithoutChartData)
{
    BLChooseAssetChartParams params;
    EXPECT_FALSE(params.SelectedAsset(Asset(&m_feed, QString(), QStringLiteral("X"), QStringLiteral("X"), QString(),
                                            AssetParams(AssetParams::kCurrentState))));
    EXPECT_FALSE(params.SelectedAsset(Asset(nullptr, QString(), QStringLiteral("X"), QStringLiteral("X"), QString(),
                                            AssetParams(AssetParams::kAll))));
    EXPECT_TRUE(params.SelectedAsset(Asset(&m_feed, QString(), QStringLiteral("X"), QStringLiteral("X"), QString(),
                                           AssetParams(AssetParams::kRecord))));

    // Without a provider to choose from the wizard does not run.
    ChooseAssetChartParamsQ4Classic::Runners runners;
    bool ran = false;
    runners.wizard = [&ran](ChooseAssetChartParamsSheet&) { return ran = true; };
    ChooseAssetChartParamsQ4Classic chooser(Services({}), runners);
    Asset asset;
    EXPECT_FALSE(chooser.ChooseAsset(asset));
    EXPECT_FALSE(ran);
}

}

namespace
{
// An application whose instrument choice is the standard chooser and which records the charts
// it is asked to open.
class ChooserMediator : public SimFeedMediator
{
public:
    ChooserMediator(ProviderBase* provider, ChooseAssetChartParamsQ4Classic& chooser)
        : SimFeedMediator(provider)
        , m_chooser(chooser)
    {
    }
    ProviderBase* GetRunningProvider(const QString&) override { return GetDefaultProvider(); }
    bool ChooseAssetAndChartParams(Asset& asset) override { return m_chooser.ChooseAsset(asset); }
    bool OpenNewChart(const Asset& asset) override
    {
        opened << asset.GetShortName();
        return true;
    }
    QStringList opened;

private:
    ChooseAssetChartParamsQ4Classic& m_chooser;
};
}

TEST_F(ChooseAssetChartParamsTest, AChartReachesTheInstrumentWizardAndATableOpensChartsOfItsInstrument)
{
    ChooseAssetChartParamsQ4Classic::Runners runners;
    QString ticker = QStringLiteral("ekow");
    int shown = 0;
    runners.wizard = [&](ChooseAssetChartParamsSheet& sheet) {
        ++shown;
        sheet.OnInitDialog();
        auto* page = qobject_cast<ChooseAssetPropertyPage*>(sheet.page(sheet.pageIds().front()));
        Pick(*page->Pane().Component().GetActivePage(), ticker);
        return page->OnWizardNext();
    };
    ChooseAssetChartParamsQ4Classic chooser(Services({&m_feed}), runners);
    ChooserMediator mediator(&m_feed, chooser);
    PluginBase::Init(&mediator);
    {
        ChartModuleConsumer charts;
        ChartWindow chart(charts,
                          ChartDocument::Standard(m_feed.GetName(), QStringLiteral("KLV"), QStringLiteral("GPW"),
                                                  DataRequestParams(DataRequestParams::kDay, 1, 50), ShowedRange(), 3),
                          nullptr);
        chart.LoadData();
        ASSERT_TRUE(chart.ChooseOtherInstrument());
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(chart.Document().ticker, QStringLiteral("EKW"));
        // Nothing chosen: the chart stays on its instrument.
        ticker = QStringLiteral("QQQ");
        EXPECT_FALSE(chart.ChooseOtherInstrument());
        EXPECT_EQ(chart.Document().ticker, QStringLiteral("EKW"));

        TableModuleConsumer tables;
        ASSERT_TRUE(tables.ShowNewTable(nullptr));
        QuoteTableWindow* table = tables.Tables().front();
        EXPECT_FALSE(table->OpenChartOfSelected()) << "no instrument selected";
        const QuoteTableRow& row = table->Model().Rows().at(1);
        table->Model().Select(row.id, 0);
        ASSERT_TRUE(table->OpenChartOfSelected());
        EXPECT_EQ(mediator.opened, QStringList{row.asset.GetShortName()});
        delete table;
    }
    PluginBase::NullifyAppMediator();
}
