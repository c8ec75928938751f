#include "charts/ui/ChangeIntervalWindowManagerQ4Classic.h"
#include "charts/ui/ChangeMarginsWindowsManager.h"
#include "charts/ui/ChartCommandIds.h"
#include "charts/ui/ChartDayBeginEndManager.h"
#include "charts/ui/ChartMinMaxWindowManager.h"
#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/ChartSeriesBaseSettingsDlg.h"
#include "charts/ui/ChartGalleryHelpers.h"
#include "charts/ui/CmdTargetChart.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/RibbonChartsTabsQ4Classic.h"
#include "charts/ui/UserIndicatorsGalleryHelper.h"
#include "core/indicators/UserIndicatorsGallery.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>

#include <set>

#include <gtest/gtest.h>

using namespace ChartCommandIds;

namespace
{

class ActiveChartMediator : public SimFeedMediator
{
public:
    using SimFeedMediator::SimFeedMediator;
    ProviderBase* GetRunningProvider(const QString&) override { return GetDefaultProvider(); }
    ModuleWndBase* GetActiveModuleWnd() override { return active; }
    ModuleWndBase* active = nullptr;
};

// The chart tabs built on a test ribbon, the chart command target reading the popups from it, and a
// chart of the simulated market beside two quote tables.
class ChartPopupsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_view = std::make_unique<QWidget>();
        m_host = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
        ChartDocument document = ChartDocument::Standard(m_provider.GetName(), QStringLiteral("KLV"), QStringLiteral("GPW"),
                                                         DataRequestParams(DataRequestParams::kDay, 1, 50), ShowedRange(), 3);
        m_volumeId = document.series.back().id;
        m_chart = new ChartWindow(m_charts, document, m_view.get());
        m_chart->LoadData();
        m_charts.SetActiveChart(m_chart);
        m_mediator.active = m_chart;
        m_creators->Set("charts", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<RibbonChartsTabsQ4Classic>(factory, ribbonBar, &m_charts, &m_tables);
        });
        ASSERT_TRUE(m_factory.CreateRibbon());
        for (const std::uint32_t tab : {IDS_TAB_CHART, IDS_TAB_VALUE_AXIS, IDS_TAB_SERIES})
            ASSERT_TRUE(m_factory.FindTab(tab)->Prepare()) << tab;
        ChartRibbonLookup::SetFinders([this](std::uint32_t group, std::uint32_t id) { return Find(group, id); }, {});
    }
    void TearDown() override
    {
        ChartRibbonLookup::SetFinders({}, {});
        m_view.reset();
        m_host.reset();
        PluginBase::NullifyAppMediator();
    }

    RibbonControl* Find(std::uint32_t group, std::uint32_t id)
    {
        for (const std::uint32_t tab : {IDS_TAB_CHART, IDS_TAB_VALUE_AXIS, IDS_TAB_SERIES})
            if (RibbonGroupBase* found = m_factory.FindTab(tab)->FindGroup(group))
                if (RibbonControl* control = found->FindControl(id))
                    return control;
        return nullptr;
    }
    // The popup's manager with its dialog made and filled, as when it drops down.
    template <typename Manager>
    Manager& Open(std::uint32_t group, std::uint32_t id)
    {
        auto* popup = dynamic_cast<RibbonControlPopupEx*>(Find(group, id));
        EXPECT_NE(popup, nullptr) << id;
        auto* manager = dynamic_cast<Manager*>(popup->GetPopupWindowManager());
        EXPECT_NE(manager, nullptr) << id;
        if (m_made.insert(manager).second)
            manager->CreatePopupWindow(m_host.get());
        manager->UpdatePopupWindow();
        return *manager;
    }
    void Execute(std::uint32_t id)
    {
        NotifyInfo info(id, NotifyCodes::Execute, Find(0, 0));
        m_target.SendNotify(info);
    }
    std::optional<bool> Enabled(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        m_target.UpdateCommandUI(cmdUI);
        return cmdUI.Enabled();
    }
    ChartDocument& Document() { return const_cast<ChartDocument&>(m_chart->Document()); }

    TempHome m_home;
    SimFeedProvider m_provider;
    ActiveChartMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    std::unique_ptr<QWidget> m_host;
    ChartModuleConsumer m_charts;
    TableModuleConsumer m_tables;
    ChartWindow* m_chart = nullptr;
    int m_volumeId = 0;
    std::set<const void*> m_made;
    CmdTargetChart m_target{&m_charts, nullptr};
    FakeRibbonsFactoryOwner m_owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> m_creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory m_factory{m_owner, m_creators};
};

}

TEST_F(ChartPopupsTest, TheTabsPlaceEveryPopupInTheGroupItsCommandIsLookedUpIn)
{
    const std::pair<std::uint32_t, std::uint32_t> popups[] = {
        {GROUP_DATA, ID_INTERVAL},        {GROUP_MARGINS, ID_MARGINS},       {GROUP_DAY_RANGE, ID_LINEAR_DAY_RANGE},
        {GROUP_CHART_TYPE, ID_BASE_LEVEL}, {GROUP_VALUE_RANGE, ID_AXIS_RANGE},
    };
    for (const auto& [group, id] : popups)
        EXPECT_NE(dynamic_cast<RibbonControlPopupEx*>(Find(group, id)), nullptr) << id;
    EXPECT_NE(Find(GROUP_CONTENTS, ID_CONNECT_TABLE), nullptr);
}

TEST_F(ChartPopupsTest, TheMarginsPopupShowsTheChartsMarginsAndAppliesTheEnteredOnes)
{
    auto& margins = Open<ChangeMarginsWindowsManager>(GROUP_MARGINS, ID_MARGINS);
    EXPECT_EQ(margins.TopEdit()->value(), 5);
    EXPECT_EQ(margins.BottomEdit()->value(), 5);
    EXPECT_EQ(margins.RightEdit()->value(), 2);
    margins.TopEdit()->setValue(20);
    margins.BottomEdit()->setValue(0);
    margins.RightEdit()->setValue(99);  // the edit keeps it within the chart's limit
    Execute(ID_MARGINS);
    EXPECT_EQ(Document().margins.top, 20);
    EXPECT_EQ(Document().margins.bottom, 0);
    EXPECT_EQ(Document().margins.right, ChangeMarginsWindowsManager::kMaxMargin);
    // Shown again, the popup starts from what the chart has now.
    Open<ChangeMarginsWindowsManager>(GROUP_MARGINS, ID_MARGINS);
    EXPECT_EQ(margins.TopEdit()->value(), 20);
}

TEST_F(ChartPopupsTest, MarginsWithoutTheirDialogChangeNothing)
{
    auto* popup = dynamic_cast<RibbonControlPopupEx*>(Find(GROUP_MARGINS, ID_MARGINS));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(dynamic_cast<ChangeMarginsWindowsManager*>(popup->GetPopupWindowManager())->GetMargins(), nullptr);
    Execute(ID_MARGINS);
    EXPECT_EQ(Document().margins.top, 5);
}

TEST_F(ChartPopupsTest, TheDayRangeIsOfferedOnTheLinearTimeScaleOnlyAndSetsTheHoursOfTheDay)
{
    EXPECT_EQ(Enabled(ID_LINEAR_DAY_RANGE), false);
    Document().timeAxisType = 2;
    EXPECT_EQ(Enabled(ID_LINEAR_DAY_RANGE), true);
    auto& day = Open<ChartDayBeginEndManager>(GROUP_DAY_RANGE, ID_LINEAR_DAY_RANGE);
    EXPECT_EQ(day.BeginEdit()->time(), QTime(9, 0));
    EXPECT_EQ(day.EndEdit()->time(), QTime(17, 0));
    day.BeginEdit()->setTime(QTime(10, 30));
    day.EndEdit()->setTime(QTime(16, 0));
    Execute(ID_LINEAR_DAY_RANGE);
    EXPECT_DOUBLE_EQ(Document().dayBegin, 10.5 / 24.0);
    EXPECT_DOUBLE_EQ(Document().dayEnd, 16.0 / 24.0);
    // An end before the begin is no range: the chart keeps its hours.
    day.BeginEdit()->setTime(QTime(18, 0));
    Execute(ID_LINEAR_DAY_RANGE);
    EXPECT_DOUBLE_EQ(Document().dayBegin, 10.5 / 24.0);
}

TEST_F(ChartPopupsTest, TheBaseLevelBelongsToColumnsOnABaseAndTakesOnlyANumber)
{
    // The candles of the price series stand on no base.
    Document().selectedSeries = Document().series.front().id;
    EXPECT_EQ(Enabled(ID_BASE_LEVEL), false);
    Document().selectedSeries = m_volumeId;
    EXPECT_EQ(Enabled(ID_BASE_LEVEL), true);
    auto& base = Open<ChartSeriesBaseSettingsDlg>(GROUP_CHART_TYPE, ID_BASE_LEVEL);
    EXPECT_EQ(base.LevelEdit()->text(), QStringLiteral("0"));
    const std::pair<QString, double> cases[] = {{QStringLiteral("1500"), 1500.0},
                                                {QStringLiteral("12,5"), 12.5},
                                                {QStringLiteral("abc"), 12.5},
                                                {QString(), 12.5}};
    for (const auto& [text, expected] : cases)
    {
        base.LevelEdit()->setText(text);
        Execute(ID_BASE_LEVEL);
        EXPECT_DOUBLE_EQ(Document().Series(m_volumeId)->baseLevel, expected) << text.toStdString();
    }
    // Columns chosen for the volume keep it on its base.
    ASSERT_TRUE(m_target.ExecuteCommand(ID_TYPE_COLUMN));
    EXPECT_EQ(Enabled(ID_BASE_LEVEL), true);
}

TEST_F(ChartPopupsTest, EnterInAFieldAppliesAndCancelLeavesTheChartAsItWas)
{
    auto& margins = Open<ChangeMarginsWindowsManager>(GROUP_MARGINS, ID_MARGINS);
    ChartValuesPopupDlg* dialog = margins.GetMarginsDialog();
    ASSERT_NE(dialog, nullptr);
    auto& notifications = m_owner.Target().notifications;
    notifications.clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(margins.TopEdit(), &enter);
    dialog->CancelButton()->click();
    std::vector<std::pair<std::uint32_t, int>> sent;
    for (const auto& notification : notifications)
        sent.emplace_back(notification.id, notification.code);
    EXPECT_EQ(sent, (std::vector<std::pair<std::uint32_t, int>>{{ID_MARGINS, NotifyCodes::Execute}}));
}

TEST_F(ChartPopupsTest, PowiazListsTheTablesAndLinksTheChartSoItFollowsTheTablesInstrument)
{
    ASSERT_TRUE(m_tables.ShowNewTable(m_view.get()));
    QuoteTableWindow* table = m_tables.Tables().front();
    table->setWindowTitle(QStringLiteral("Notowania"));
    auto* gallery = dynamic_cast<DynamicGallery*>(Find(GROUP_CONTENTS, ID_CONNECT_TABLE)->GetCommandBar()->FindControl(ID_CONNECT_TABLE));
    ASSERT_NE(gallery, nullptr);
    gallery->GetHelper()->Fill(*gallery);
    ASSERT_EQ(gallery->GetItemCount(), 1);
    EXPECT_EQ(gallery->GetItem(0)->GetCaption(), QStringLiteral("Notowania"));
    gallery->GetHelper()->OnItemExecute(*gallery, *gallery->GetItem(0));
    QCoreApplication::processEvents();
    EXPECT_TRUE(table->Connections().IsConnected(m_chart));

    // The chart shows the instrument the table selects.
    const QuoteTableRow* other = nullptr;
    for (const QuoteTableRow& row : table->Model().Rows())
        if (row.asset.GetShortName() != QStringLiteral("KLV"))
            other = &row;
    ASSERT_NE(other, nullptr);
    const QString ticker = other->asset.GetShortName();
    table->Model().Select(other->id, 0);
    table->Redraw(false);
    EXPECT_EQ(m_chart->Document().ticker, ticker);

    // Filled again, the linked table is the checked item; choosing it again unlinks.
    gallery->GetHelper()->Fill(*gallery);
    EXPECT_EQ(gallery->GetCheckedItem(), 0u);
    gallery->GetHelper()->OnItemExecute(*gallery, *gallery->GetItem(0));
    QCoreApplication::processEvents();
    EXPECT_FALSE(table->Connections().IsConnected(m_chart));
}

TEST_F(ChartPopupsTest, TheFormationsTabOffersTheDefaultStyleOfNewFormations)
{
    QuorvantaTab* tools = m_factory.FindTab(FormationCommandIds::IDS_TAB_FORMATIONS);
    ASSERT_TRUE(tools->Prepare());
    RibbonGroupBase* drawing = tools->FindGroup(FormationCommandIds::GROUP_DRAWING);
    ASSERT_NE(drawing, nullptr);
    RibbonControl* style = drawing->FindControl(FormationCommandIds::ID_DEFAULT_STYLE_GALLERY);
    ASSERT_NE(style, nullptr);
    ASSERT_NE(style->GetCommandBar(), nullptr);
    EXPECT_NE(qobject_cast<DynamicGallery*>(style->GetCommandBar()->FindControl(FormationCommandIds::ID_DEFAULT_STYLE_GALLERY)),
              nullptr);
}

TEST_F(ChartPopupsTest, TheUserIndicatorsGalleryIsFilledWhenItsPopupOpensAndStaysEnabled)
{
    RibbonControl* user = Find(GROUP_INDICATORS, ID_USER_INDICATORS);
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->GetCaption(), QStringLiteral("Użytkownika"));
    ASSERT_EQ(user->GetCommandBar()->GetControls().size(), 1u);
    EXPECT_NE(qobject_cast<DynamicGallery*>(user->GetCommandBar()->FindControl(ID_USER_INDICATORS)), nullptr);
    // The indicator popup rule leaves a popup of one gallery as it is.
    CmdUI cmdUI(ID_USER_INDICATORS);
    m_target.UpdateCommandUI(cmdUI);
    EXPECT_NE(cmdUI.Enabled(), std::optional<bool>(false));

    // Without a formula library the gallery is empty.
    int fills = 0;
    UserIndicatorsGalleryHelper helper([&fills](GalleryControl& gallery) {
        ++fills;
        UserIndicatorsGallery::Fill(static_cast<const KFLFasade*>(nullptr), gallery, QApplication::font());
    });
    DynamicGallery gallery(nullptr, ID_USER_INDICATORS);
    gallery.AddItem(1, QStringLiteral("stary"));
    helper.Fill(gallery);
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(gallery.GetItemCount(), 0);
}

TEST_F(ChartPopupsTest, TheIntervalPopupShowsTheChartsIntervalAndAppliesOnlyAChange)
{
    auto& interval = Open<ChangeIntervalWindowManagerQ4Classic>(GROUP_DATA, ID_INTERVAL);
    ChangeIntervalDlgQ4Classic* dialog = interval.GetIntervalDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->DayRadio()->isChecked());
    EXPECT_TRUE(dialog->OkButton()->isEnabled());
    auto& notifications = m_owner.Target().notifications;
    notifications.clear();
    dialog->OkButton()->click();
    EXPECT_TRUE(notifications.empty()) << "no change, no apply";
    dialog->TickRadio()->setChecked(true);
    dialog->OkButton()->click();
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications.front().id, ID_INTERVAL);
    EXPECT_EQ(interval.GetChosenInterval(), ChangeIntervalDlgQ4Classic::kTick);

    // An interval that is neither shows "Dzienny", and OK always applies.
    notifications.clear();
    dialog->SetCurrentInterval(7);
    dialog->ShowInterval();
    EXPECT_TRUE(dialog->DayRadio()->isChecked());
    dialog->OkButton()->click();
    EXPECT_EQ(notifications.size(), 1u);
    // A chart that cannot change its interval: OK is disabled and Enter does nothing.
    notifications.clear();
    dialog->SetApplicable(false);
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &enter);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(ChartPopupsTest, TheValueRangePopupSelectsTheMinimumFirstTabsBetweenAndAppliesBothBounds)
{
    auto& range = Open<ChartMinMaxWindowManager>(GROUP_VALUE_RANGE, ID_AXIS_RANGE);
    ChartAxisMinMaxDlg* dialog = range.GetMinMaxDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->MinText().isEmpty()) << "filled from the active scale";
    EXPECT_EQ(dialog->MinEdit()->selectedText(), dialog->MinText());
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog->MinEdit(), &tab);
    EXPECT_EQ(dialog->MaxEdit()->selectedText(), dialog->MaxText());

    dialog->MinEdit()->setText(QStringLiteral("10,5"));
    dialog->MaxEdit()->setText(QStringLiteral("80"));
    auto& notifications = m_owner.Target().notifications;
    notifications.clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog->MaxEdit(), &enter);
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications.front().id, ID_AXIS_RANGE);
    Execute(ID_AXIS_RANGE);
    QString minimum;
    QString maximum;
    ASSERT_TRUE(m_chart->ActiveObjects().GetMinMaxFromAxisValue(minimum, maximum));
    EXPECT_DOUBLE_EQ(minimum.toDouble(), 10.5);
    EXPECT_DOUBLE_EQ(maximum.toDouble(), 80.0);
    // Text that is no number reads as 0 for that bound.
    const std::pair<QString, double> numbers[] = {{QStringLiteral("abc"), 0.0}, {QStringLiteral(" 7.25x"), 7.25},
                                                  {QStringLiteral("-3"), -3.0}, {QString(), 0.0}};
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(ChartMinMaxWindowManager::ParseNumber(text), value) << text.toStdString();
}

TEST_F(ChartPopupsTest, TheSeriesGalleriesShowAHiddenSeriesAgainAndKeepTheLastRecordsColumn)
{
    // Hidden series: checking one shows it again in a view of its own, unchecking removes both.
    Document().selectedSeries = m_volumeId;
    ASSERT_TRUE(m_target.ExecuteCommand(ID_REMOVE_SERIES));
    ASSERT_TRUE(Document().Series(m_volumeId)->hidden);
    auto revert = std::make_shared<RevertHiddenSeriesHelper>();
    revert->SetTextMeasurer([](const QString& text) { return QSize(6 * int(text.size()), 14); });
    CheckBoxGalleryControl hidden(revert, CheckBoxGalleryControl::kUncheckedImageId, CheckBoxGalleryControl::kCheckedImageId,
                                  ID_REVERT_SERIES);
    revert->Fill(hidden);
    ASSERT_EQ(hidden.GetItemCount(), 1);
    const std::size_t views = Document().views.size();
    hidden.ChooseItem(0);
    EXPECT_FALSE(Document().Series(m_volumeId)->hidden);
    EXPECT_NE(revert->RevertedViewId(), 0);
    hidden.ChooseItem(0);
    EXPECT_EQ(revert->RevertedViewId(), 0);
    EXPECT_EQ(Document().views.size(), views - 1) << "the view the check made is gone";

    // Records columns: the last visible one cannot be hidden.
    auto columns = std::make_shared<ChartTransactionSeriesGaleryHelper>();
    CheckBoxGalleryControl records(columns, CheckBoxGalleryControl::kUncheckedImageId,
                                   CheckBoxGalleryControl::kCheckedImageId, ID_RECORDS_SERIES);
    columns->Fill(records);
    ASSERT_GE(records.GetItemCount(), 2);
    for (int i = records.GetItemCount() - 1; i >= 0; --i)
        records.ChooseItem(i);
    int visible = 0;
    for (const ChartTransactionColumn& column : m_chart->ActiveObjects().PrepareColumnsInformationForChartTransaction())
        visible += column.visible ? 1 : 0;
    EXPECT_EQ(visible, 1);
}

TEST_F(ChartPopupsTest, TheSeriesTabIsOfferedForASelectedSeriesUnderItsName)
{
    QuorvantaTab* series = m_factory.FindTab(IDS_TAB_SERIES);
    Document().selectedSeries = 0;
    EXPECT_FALSE(series->IsAvailable());
    Document().selectedSeries = m_volumeId;
    EXPECT_TRUE(series->IsAvailable());
    ASSERT_TRUE(series->Prepare());
    EXPECT_EQ(series->GetCaption(), QStringLiteral("Wolumen KLV"));
    EXPECT_TRUE(m_factory.FindTab(IDS_TAB_CHART)->IsAvailable());
    EXPECT_TRUE(m_factory.FindTab(IDS_TAB_VALUE_AXIS)->IsAvailable());
}

TEST_F(ChartPopupsTest, TheTimeScaleGalleryBesideTheDayRangeSwitchesTheChartToTheLinearScale)
{
    auto* gallery = qobject_cast<GalleryControl*>(Find(GROUP_DAY_RANGE, ID_TIME_AXIS_GALLERY));
    ASSERT_NE(gallery, nullptr);
    ASSERT_EQ(gallery->GetItemCount(), 3);
    CmdUI shown(ID_TIME_AXIS_GALLERY, gallery);
    m_target.UpdateCommandUI(shown);
    EXPECT_TRUE(gallery->GetItem(2)->IsEnabled());
    EXPECT_EQ(Enabled(ID_LINEAR_DAY_RANGE), false);
    gallery->SetSelectedItem(2);
    NotifyInfo info(ID_TIME_AXIS_GALLERY, NotifyCodes::Execute, gallery);
    m_target.SendNotify(info);
    EXPECT_EQ(Document().timeAxisType, 2);
    EXPECT_EQ(Enabled(ID_LINEAR_DAY_RANGE), true);
}
