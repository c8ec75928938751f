#include "app/CmdTargetGeneral.h"
#include "app/CmdTargetGeneralProcessorQ4Classic.h"
#include "app/IGeneralCommandsHost.h"
#include "core/mediator/ChooseAssetChartParams.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "modulelibs/multidata/MultiDataModuleConsumer.h"
#include "modulelibs/offers/OffersModuleConsumer.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "modulelibs/translist/TransListModuleConsumer.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "platform/modules/Asset.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/ApplicationStylesContainer.h"
#include "tests/support/ui/FakeModuleWnd.h"
#include "tests/support/ui/TestApplication.h"
#include "tests/support/TestPaths.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
// Every call a fake receives, as "<operation>" or "<operation>(<argument>)".
using CallLog = QStringList;

QString ViewName(const QWidget* view)
{
    return view ? view->objectName() : QStringLiteral("null");
}

class FakeTable : public TableModuleConsumer
{
public:
    explicit FakeTable(CallLog& log) : m_log(log) {}
    bool ShowNewTable(QWidget* view) override { return Tell(QStringLiteral("ShowNewTable(%1)").arg(ViewName(view))); }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        return Tell(QStringLiteral("Table:OpenWindowFromFile(%1,%2,%3)").arg(ViewName(parent), path).arg(fromPanel));
    }
    bool SaveWindowToFile(QWidget*, const QString& path, int flags, bool embedStyles) override
    {
        return Tell(QStringLiteral("SaveWindowToFile(%1,%2,%3)").arg(path).arg(flags).arg(embedStyles));
    }
    bool SaveWindowToQ5Format(QWidget*, const QString& path, int flags, int) override
    {
        return Tell(QStringLiteral("SaveWindowToQ5Format(%1,%2)").arg(path).arg(flags));
    }
    bool CanSaveWindowToFile() const override { return canSave; }
    bool canSave = true;

private:
    bool Tell(const QString& call)
    {
        m_log << call;
        return true;
    }
    CallLog& m_log;
};

class FakeChart : public ChartModuleConsumer
{
public:
    explicit FakeChart(CallLog& log) : m_log(log) {}
    bool OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>&,
                      const std::shared_ptr<ShowedRange>&, EChartType chartType, ETimeAxisType) override
    {
        m_log << QStringLiteral("OpenNewChart(%1,%2,%3)").arg(ViewName(view), asset.GetShortName()).arg(chartType);
        return true;
    }
    void TurnOnInspector(bool on, QWidget* view) override
    {
        m_log << QStringLiteral("TurnOnInspector(%1,%2)").arg(on).arg(ViewName(view));
        ChartModuleConsumer::TurnOnInspector(on, view);
    }
    void SwitchRuler(QWidget* view) override
    {
        m_log << QStringLiteral("SwitchRuler(%1)").arg(ViewName(view));
        ChartModuleConsumer::SwitchRuler(view);
    }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        m_log << QStringLiteral("Chart:OpenWindowFromFile(%1,%2,%3)").arg(ViewName(parent), path).arg(fromPanel);
        return true;
    }

private:
    CallLog& m_log;
};

class FakeDetails : public DetailsModuleConsumer
{
public:
    explicit FakeDetails(CallLog& log) : m_log(log) {}
    bool ShowDetailsDlg(QWidget* view, const Asset* asset, int flags) override
    {
        m_log << QStringLiteral("ShowDetailsDlg(%1,%2,%3)").arg(ViewName(view)).arg(asset ? 1 : 0).arg(flags);
        return true;
    }

private:
    CallLog& m_log;
};

class FakeOffers : public OffersModuleConsumer
{
public:
    explicit FakeOffers(CallLog& log) : m_log(log) {}
    bool ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags) override
    {
        m_log << QStringLiteral("ShowNewOffersDlg(%1,%2,%3)").arg(ViewName(view)).arg(asset ? 1 : 0).arg(flags);
        return true;
    }

private:
    CallLog& m_log;
};

class FakeTransList : public TransListModuleConsumer
{
public:
    explicit FakeTransList(CallLog& log) : m_log(log) {}
    bool ShowNewTransList(QWidget* view, const Asset* asset, int flags) override
    {
        m_log << QStringLiteral("ShowNewTransList(%1,%2,%3)").arg(ViewName(view)).arg(asset ? 1 : 0).arg(flags);
        return true;
    }

private:
    CallLog& m_log;
};

class FakeMonitor : public TransMonitorModuleConsumer
{
public:
    explicit FakeMonitor(CallLog& log) : m_log(log) {}
    bool ShowNewTransactionsMonitorWindow(QWidget* view, int flags) override
    {
        m_log << QStringLiteral("ShowNewTransactionsMonitorWindow(%1,%2)").arg(ViewName(view)).arg(flags);
        return true;
    }

private:
    CallLog& m_log;
};

class FakeMultiData : public MultiDataModuleConsumer
{
public:
    explicit FakeMultiData(CallLog& log) : m_log(log) {}
    bool ShowNewMultiDataWindow(QWidget* view) override
    {
        m_log << QStringLiteral("ShowNewMultiDataWindow(%1)").arg(ViewName(view));
        return true;
    }

private:
    CallLog& m_log;
};

class FakeFilesGenerator : public FilesGenModuleConsumer
{
public:
    explicit FakeFilesGenerator(CallLog& log) : m_log(log) {}
    bool ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags) override
    {
        m_log << QStringLiteral("ShowFilesGeneratorDlg(%1,%2,%3)").arg(ViewName(view)).arg(asset ? 1 : 0).arg(flags);
        return true;
    }
    bool IsWndOpened() const override { return opened; }
    bool opened = false;

private:
    CallLog& m_log;
};

class FakeChooser : public ChooseAssetChartParams
{
public:
    bool ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>&,
                                   std::shared_ptr<ShowedRange>&, int& chartType, int&) override
    {
        if (!answer)
            return false;
        asset = std::make_shared<Asset>(nullptr, QStringLiteral("PLKGHM000017"), QStringLiteral("KGHM"),
                                        QStringLiteral("KGHM Polska Miedź"), QStringLiteral("GPW"));
        chartType = 3;
        return true;
    }
    bool ChooseChartParamsForAsset(const Asset&, std::shared_ptr<DataRequestParams>&, std::shared_ptr<ShowedRange>&, int&,
                                   int&) override
    {
        return false;
    }
    bool ChooseAsset(Asset&) override { return false; }
    bool answer = true;
};

class RefusingWnd : public FakeModuleWnd
{
public:
    using FakeModuleWnd::FakeModuleWnd;
    bool CanBeCloseOnCommand() const override { return false; }
};

// Closing it destroys another window at once, as a window that owns a companion does.
class TakesOtherWnd : public FakeModuleWnd
{
public:
    using FakeModuleWnd::FakeModuleWnd;
    QPointer<QWidget> other;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        delete other.data();
        FakeModuleWnd::closeEvent(event);
    }
};

class FakeHost : public IGeneralCommandsHost
{
public:
    explicit FakeHost(CallLog& log)
        : log(log)
        , table(log)
        , chart(log)
        , details(log)
        , offers(log)
        , transList(log)
        , monitor(log)
        , multiData(log)
        , filesGenerator(log)
    {
        view.setObjectName(QStringLiteral("view"));
    }

    bool IsVersionInfoPanelActive() const override { return versionInfo; }
    ModuleWndBase* GetActiveModuleWnd() const override { return active; }
    QWidget* GetActivePanelView() const override { return const_cast<QWidget*>(&view); }
    int GetScreensLimit() const override { return 1; }
    std::vector<ModuleWndBase*> GetActiveViewModuleWindows() const override
    {
        std::vector<ModuleWndBase*> windows;
        for (ModuleWndBase* window : view.findChildren<ModuleWndBase*>(Qt::FindDirectChildrenOnly))
            windows.push_back(window);
        return windows;
    }
    void OnUpdateCloseAllWindows(CmdUI& cmdUI) override { cmdUI.Enable(!GetActiveViewModuleWindows().empty()); }
    void ApplyEmptyRibbonContext() override { log << QStringLiteral("ApplyEmptyRibbonContext"); }
    void ReselectRibbonTab() override { log << QStringLiteral("ReselectRibbonTab"); }
    std::optional<bool> IsRibbonMinimized() const override { return minimized; }
    void MinimizeRibbon(bool minimize) override { log << QStringLiteral("MinimizeRibbon(%1)").arg(minimize); }
    GalleryControl* FindApplicationStylesGallery() const override { return gallery; }

    ChartConsumer* GetChartConsumer() const override { return const_cast<FakeChart*>(&chart); }
    TableConsumer* GetTableConsumer() const override { return const_cast<FakeTable*>(&table); }
    DetailsCons* GetDetailsConsumer() const override { return const_cast<FakeDetails*>(&details); }
    OffersConsumer* GetOffersConsumer() const override { return const_cast<FakeOffers*>(&offers); }
    TransListCons* GetTransListConsumer() const override { return const_cast<FakeTransList*>(&transList); }
    TransactionsMonitorConsumer* GetTransactionsMonitorConsumer() const override
    {
        return const_cast<FakeMonitor*>(&monitor);
    }
    MultiDataConsumer* GetMultiDataConsumer() const override { return const_cast<FakeMultiData*>(&multiData); }
    AppFilesGeneratorConsumer* GetFilesGeneratorConsumer() const override
    {
        return const_cast<FakeFilesGenerator*>(&filesGenerator);
    }
    ChooseAssetChartParams* GetChooseAssetChartParams() const override { return const_cast<FakeChooser*>(&chooser); }
    IInProcessOrdersSheet* GetOrdersSheetManager() const override { return nullptr; }
    bool ShowOrdersSheetWindow(QWidget* parent) override
    {
        log << QStringLiteral("ShowOrdersSheetWindow(%1)").arg(ViewName(parent));
        return true;
    }
    ISessionStatisticsModule* GetSessionStatistics() const override { return nullptr; }
    ObjectWithStyle* GetSessionStatisticsStyle() const override { return nullptr; }
    bool HasAlertsWindow() const override { return true; }
    void ToggleAlertsWindow() override { log << QStringLiteral("ToggleAlertsWindow"); }
    bool IsAlertsWindowVisible() const override { return alertsVisible; }
    void NewAlert() override { log << QStringLiteral("NewAlert"); }
    KFLFasade* GetFormulaLanguage() const override { return nullptr; }
    bool HasAutomaticTests() const override { return false; }
    void ToggleAutomaticTests() override { log << QStringLiteral("ToggleAutomaticTests"); }
    bool IsAutomaticTestsVisible() const override { return false; }
    IStyleEditModeHandler* GetStyleEditModeHandler() const override { return nullptr; }
    ApplicationStylesContainer* GetApplicationStyles() const override
    {
        return const_cast<ApplicationStylesContainer*>(&styles);
    }
    void MakeCloudManager() override { log << QStringLiteral("MakeCloudManager"); }

    bool AskYesNo(const QString& text) override
    {
        log << QStringLiteral("AskYesNo");
        question = text;
        return answerYes;
    }
    bool ShowSaveWindowFileDialog(const IGenericModule&, QString& path, bool& secondFilter) override
    {
        log << QStringLiteral("ShowSaveWindowFileDialog");
        path = fileAnswer;
        secondFilter = secondFilterChosen;
        return !fileAnswer.isEmpty();
    }
    bool ShowOpenWindowFileDialog(const IGenericModule&, QString& path) override
    {
        path = fileAnswer;
        return !fileAnswer.isEmpty();
    }

    void ShowOptions() override { log << QStringLiteral("ShowOptions"); }
    void ShowHelp() override { log << QStringLiteral("ShowHelp"); }
    void CheckForUpdates() override { log << QStringLiteral("CheckForUpdates"); }
    void CloseApplication() override { log << QStringLiteral("CloseApplication"); }
    void NotifyEscapeCommand() override { log << QStringLiteral("NotifyEscapeCommand"); }
    void SaveDesktop() override { log << QStringLiteral("SaveDesktop"); }
    void OpenDesktop() override { log << QStringLiteral("OpenDesktop"); }
    void SaveDesktopToQ5Format() override { log << QStringLiteral("SaveDesktopToQ5Format"); }
    bool CanPrint(ModuleWndBase& window) const override { return &window == printable; }
    void Print(ModuleWndBase&) override { log << QStringLiteral("Print"); }

    CallLog& log;
    QWidget view;
    FakeTable table;
    FakeChart chart;
    FakeDetails details;
    FakeOffers offers;
    FakeTransList transList;
    FakeMonitor monitor;
    FakeMultiData multiData;
    FakeFilesGenerator filesGenerator;
    FakeChooser chooser;
    ApplicationStylesContainer styles;
    GalleryControl* gallery = nullptr;
    bool versionInfo = false;
    ModuleWndBase* active = nullptr;
    ModuleWndBase* printable = nullptr;
    std::optional<bool> minimized = false;
    bool alertsVisible = false;
    bool answerYes = true;
    QString question;
    QString fileAnswer;
    bool secondFilterChosen = false;
};

class CmdTargetGeneralTest : public ::testing::Test
{
protected:
    // The command's state: enabled, and checked when the handler set it.
    std::pair<bool, int> State(std::uint32_t id, QObject* control = nullptr)
    {
        CmdUI cmdUI(id, control);
        EXPECT_TRUE(target.UpdateCommandUI(cmdUI)) << id;
        return {cmdUI.Enabled().value_or(false), cmdUI.Checked().value_or(-1)};
    }

    // The application is there before the host's widgets.
    const bool applicationReady = (TestApplication::Ensure(), true);
    CallLog log;
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>(log);
    bool ordersSheetVisible = false;
    CmdTargetGeneral target{host,
                            std::make_shared<CmdTargetGeneralProcessorQ4Classic>([this] { return ordersSheetVisible; })};
};

TEST_F(CmdTargetGeneralTest, EveryCommandReachesItsModuleOrOperationInTheActiveView)
{
    const std::pair<std::uint32_t, QStringList> rows[] = {
        {CmdTargetGeneral::ID_NEW_CHART, {"OpenNewChart(view,KGHM,3)"}},
        {CmdTargetGeneral::ID_NEW_TABLE, {"ShowNewTable(view)", "ApplyEmptyRibbonContext", "ReselectRibbonTab"}},
        {CmdTargetGeneral::ID_NEW_DETAILS, {"ShowDetailsDlg(view,0,0)"}},
        {CmdTargetGeneral::ID_NEW_OFFERS, {"ShowNewOffersDlg(view,0,0)"}},
        {CmdTargetGeneral::ID_NEW_TRANSLIST, {"ShowNewTransList(view,0,0)"}},
        {CmdTargetGeneral::ID_NEW_TRANSACTIONS_MONITOR, {"ShowNewTransactionsMonitorWindow(view,0)"}},
        {CmdTargetGeneral::ID_MULTI_DATA, {"ShowNewMultiDataWindow(view)"}},
        {CmdTargetGeneral::ID_FILES_GENERATOR, {"ShowFilesGeneratorDlg(view,0,0)"}},
        {CmdTargetGeneral::ID_ORDERS_SHEET, {"ShowOrdersSheetWindow(view)"}},
        {CmdTargetGeneral::ID_ALERTS_MANAGER, {"ToggleAlertsWindow"}},
        {CmdTargetGeneral::ID_NEW_ALERT, {"NewAlert"}},
        {CmdTargetGeneral::ID_NEW_LOCAL_ALERT, {"NewAlert"}},
        {CmdTargetGeneral::ID_OPEN_CHART, {"Chart:OpenWindowFromFile(view,/w/a.q4c,0)"}},
        {CmdTargetGeneral::ID_OPEN_TABLE, {"Table:OpenWindowFromFile(view,/w/a.q4c,0)", "ReselectRibbonTab"}},
        {CmdTargetGeneral::ID_INSPECTOR, {"TurnOnInspector(1,view)"}},
        {CmdTargetGeneral::ID_RULER, {"SwitchRuler(view)"}},
        {CmdTargetGeneral::ID_SAVE_DESKTOP, {"SaveDesktop"}},
        {CmdTargetGeneral::ID_OPEN_DESKTOP, {"OpenDesktop"}},
        {CmdTargetGeneral::ID_SAVE_DESKTOP_Q5, {"SaveDesktopToQ5Format"}},
        {CmdTargetGeneral::ID_RIBBON_MINIMIZE, {"MinimizeRibbon(1)"}},
        {CmdTargetGeneral::ID_RIBBON_EXPAND, {"MinimizeRibbon(0)"}},
        {CmdTargetGeneral::ID_OPTIONS, {"ShowOptions"}},
        {CmdTargetGeneral::ID_HELP, {"ShowHelp"}},
        {CmdTargetGeneral::ID_UPDATE_PROGRAM, {"CheckForUpdates"}},
        {CmdTargetGeneral::ID_CLOSE_APPLICATION, {"CloseApplication"}},
        {CmdTargetGeneral::ID_DISCARD, {"NotifyEscapeCommand"}},
        {CmdTargetGeneral::ID_AUTOMATIC_TESTS, {"ToggleAutomaticTests", "ApplyEmptyRibbonContext"}},
        // Handled without effect.
        {CmdTargetGeneral::ID_PAP, {}},
        {CmdTargetGeneral::ID_SYNCHRONIZE_DESKTOP, {}},
        {CmdTargetGeneral::ID_RUN_EXTERNAL_PROGRAM, {}},
    };
    host->fileAnswer = QStringLiteral("/w/a.q4c");
    for (const auto& [id, calls] : rows)
    {
        log.clear();
        EXPECT_TRUE(target.ExecuteCommand(id)) << id;
        EXPECT_EQ(log, calls) << id;
    }
}

TEST_F(CmdTargetGeneralTest, CommandsFollowTheActiveWindowAndAreDisabledOnTheVersionPage)
{
    // Enabled state per program state: no window, a table active, a chart active, the version page.
    struct Row
    {
        std::uint32_t id;
        bool noWindow, tableActive, chartActive, versionPage;
    };
    const Row rows[] = {
        {CmdTargetGeneral::ID_OPEN_WINDOW, true, true, true, false},
        {CmdTargetGeneral::ID_CLOSE_SCREEN, false, false, false, false},
        {CmdTargetGeneral::ID_SAVE_WINDOW, false, true, true, true},
        {CmdTargetGeneral::ID_SAVE_WINDOW_Q5, false, true, true, true},
        {CmdTargetGeneral::ID_CLOSE_ALL_WINDOWS, false, true, true, false},
        {CmdTargetGeneral::ID_NEW_CHART, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_TABLE, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_DETAILS, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_OFFERS, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_TRANSLIST, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_TRANSACTIONS_MONITOR, true, true, true, false},
        {CmdTargetGeneral::ID_MULTI_DATA, true, true, true, true},
        {CmdTargetGeneral::ID_FILES_GENERATOR, true, true, true, false},
        {CmdTargetGeneral::ID_ORDERS_SHEET, true, true, true, false},
        {CmdTargetGeneral::ID_ALERTS_MANAGER, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_ALERT, true, true, true, false},
        {CmdTargetGeneral::ID_NEW_LOCAL_ALERT, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_CHART, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_DETAILS, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_TRANSLIST, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_OFFERS, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_TABLE, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_ORDERS_SHEET, true, true, true, false},
        {CmdTargetGeneral::ID_OPEN_TRANSACTIONS_MONITOR, true, true, true, false},
        {CmdTargetGeneral::ID_INSPECTOR, true, true, true, false},
        {CmdTargetGeneral::ID_INSPECTOR_CROSS, true, true, true, false},
        {CmdTargetGeneral::ID_RULER, true, true, true, false},
        {CmdTargetGeneral::ID_APPLICATION_STYLES, true, true, true, false},
        {CmdTargetGeneral::ID_STATISTICS_STYLE, false, false, false, false},
        {CmdTargetGeneral::ID_STATISTICS_MORE_OPTIONS, false, false, false, false},
        {CmdTargetGeneral::ID_STATISTICS_RESTORE, true, true, true, true},
        {CmdTargetGeneral::ID_SWITCH_WINDOWS, false, true, true, false},
        {CmdTargetGeneral::ID_MOVE_WINDOW_TO, false, false, false, false},
        {CmdTargetGeneral::ID_PRINT, false, false, true, true},
        {CmdTargetGeneral::ID_AUTOMATIC_TESTS, false, false, false, false},
        {CmdTargetGeneral::ID_PAP, true, true, true, false},
        {CmdTargetGeneral::ID_SYNCHRONIZE_DESKTOP, false, false, false, false},
        {CmdTargetGeneral::ID_RESTORE_DESKTOP, false, false, false, false},
        {CmdTargetGeneral::ID_CLOUD_ALERT, false, false, false, false},
        {CmdTargetGeneral::ID_RUN_EXTERNAL_PROGRAM, false, false, false, false},
    };
    auto* tableWnd = new FakeModuleWnd(&host->table, nullptr, &host->view);
    auto* chartWnd = new FakeModuleWnd(&host->chart, nullptr, &host->view);
    host->printable = chartWnd;
    for (const Row& row : rows)
    {
        host->versionInfo = false;
        // Without a module window the panel is empty.
        tableWnd->setParent(nullptr);
        chartWnd->setParent(nullptr);
        host->active = nullptr;
        EXPECT_EQ(State(row.id).first, row.noWindow) << row.id << " no window";
        tableWnd->setParent(&host->view);
        chartWnd->setParent(&host->view);
        host->active = tableWnd;
        EXPECT_EQ(State(row.id).first, row.tableActive) << row.id << " table";
        host->active = chartWnd;
        EXPECT_EQ(State(row.id).first, row.chartActive) << row.id << " chart";
        host->versionInfo = true;
        EXPECT_EQ(State(row.id).first, row.versionPage) << row.id << " version page";
    }
    delete tableWnd;
    delete chartWnd;
    // Making the cloud's manager is left for when the version page is not selected.
    log.clear();
    host->versionInfo = true;
    State(CmdTargetGeneral::ID_SYNCHRONIZE_DESKTOP);
    EXPECT_TRUE(log.isEmpty());
    host->versionInfo = false;
    State(CmdTargetGeneral::ID_SYNCHRONIZE_DESKTOP);
    EXPECT_EQ(log, QStringList{QStringLiteral("MakeCloudManager")});
}

TEST_F(CmdTargetGeneralTest, ChecksFollowTheModulesState)
{
    EXPECT_EQ(State(CmdTargetGeneral::ID_ORDERS_SHEET).second, 0);
    ordersSheetVisible = true;
    EXPECT_EQ(State(CmdTargetGeneral::ID_ORDERS_SHEET).second, 1);

    host->alertsVisible = true;
    EXPECT_EQ(State(CmdTargetGeneral::ID_ALERTS_MANAGER).second, 1);

    // The inspector toggles: off with no view, on in the active view.
    EXPECT_EQ(State(CmdTargetGeneral::ID_INSPECTOR).second, 0);
    target.ExecuteCommand(CmdTargetGeneral::ID_INSPECTOR);
    EXPECT_EQ(State(CmdTargetGeneral::ID_INSPECTOR).second, 1);
    log.clear();
    target.ExecuteCommand(CmdTargetGeneral::ID_INSPECTOR);
    EXPECT_EQ(log, QStringList{QStringLiteral("TurnOnInspector(0,null)")});
    const int crossBefore = State(CmdTargetGeneral::ID_INSPECTOR_CROSS).second;
    target.ExecuteCommand(CmdTargetGeneral::ID_INSPECTOR_CROSS);
    EXPECT_EQ(State(CmdTargetGeneral::ID_INSPECTOR_CROSS).second, 1 - crossBefore);

    // The files generator's one window: no second while it is open.
    host->filesGenerator.opened = true;
    EXPECT_FALSE(State(CmdTargetGeneral::ID_FILES_GENERATOR).first);
}

TEST_F(CmdTargetGeneralTest, TheRibbonsSizeButtonsAreNeverShownTogether)
{
    RibbonControl minimize(RibbonControlButton, CmdTargetGeneral::ID_RIBBON_MINIMIZE);
    RibbonControl expand(RibbonControlButton, CmdTargetGeneral::ID_RIBBON_EXPAND);
    for (const std::optional<bool> minimized : {std::optional<bool>(false), std::optional<bool>(true), std::optional<bool>()})
    {
        host->minimized = minimized;
        State(CmdTargetGeneral::ID_RIBBON_MINIMIZE, &minimize);
        State(CmdTargetGeneral::ID_RIBBON_EXPAND, &expand);
        EXPECT_NE(minimize.IsVisible(), expand.IsVisible());
        // Without a ribbon, only the restoring button shows.
        EXPECT_EQ(expand.IsVisible(), minimized.value_or(true));
    }
}

TEST_F(CmdTargetGeneralTest, ClosingAllWindowsAsksAndLeavesThoseThatRefuse)
{
    QPointer<ModuleWndBase> first = new FakeModuleWnd(&host->table, nullptr, &host->view);
    QPointer<ModuleWndBase> refusing = new RefusingWnd(&host->table, nullptr, &host->view);
    auto* takesOther = new TakesOtherWnd(&host->table, nullptr, &host->view);
    QPointer<ModuleWndBase> last = new FakeModuleWnd(&host->table, nullptr, &host->view);
    takesOther->other = last.data();
    QPointer<ModuleWndBase> taker = takesOther;
    for (ModuleWndBase* window : {first.data(), refusing.data(), taker.data(), last.data()})
        window->setAttribute(Qt::WA_DeleteOnClose);

    host->answerYes = false;
    target.ExecuteCommand(CmdTargetGeneral::ID_CLOSE_ALL_WINDOWS);
    EXPECT_EQ(host->question, CmdTargetGeneral::kCloseAllQuestion);
    EXPECT_TRUE(first && refusing && taker && last);

    host->answerYes = true;
    target.ExecuteCommand(CmdTargetGeneral::ID_CLOSE_ALL_WINDOWS);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    EXPECT_TRUE(refusing);
    EXPECT_FALSE(taker);
    EXPECT_FALSE(last);
    delete refusing.data();
}

TEST_F(CmdTargetGeneralTest, SavingAWindowGoesThroughItsModuleOnlyWhenItCanSave)
{
    FakeModuleWnd window(&host->table, nullptr, &host->view);
    host->active = &window;
    host->table.canSave = false;
    target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_WINDOW);
    EXPECT_TRUE(log.isEmpty());

    host->table.canSave = true;
    target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_WINDOW);
    EXPECT_EQ(log, QStringList{QStringLiteral("ShowSaveWindowFileDialog")});

    log.clear();
    host->fileAnswer = QStringLiteral("/w/okno.q4t");
    host->secondFilterChosen = true;
    target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_WINDOW);
    target.ExecuteCommand(CmdTargetGeneral::ID_SAVE_WINDOW_Q5);
    EXPECT_EQ(log, (QStringList{"ShowSaveWindowFileDialog", "SaveWindowToFile(/w/okno.q4t,1,1)", "ApplyEmptyRibbonContext",
                                "ShowSaveWindowFileDialog", "SaveWindowToQ5Format(/w/okno.q4t,1)",
                                "ApplyEmptyRibbonContext"}));
}

TEST_F(CmdTargetGeneralTest, ANewChartOpensOnlyWhenTheUserChoseItsParameters)
{
    host->chooser.answer = false;
    target.ExecuteCommand(CmdTargetGeneral::ID_NEW_CHART);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(CmdTargetGeneralTest, TheApplicationStyleGalleryShowsAndSelectsTheCurrentStyle)
{
    ASSERT_TRUE(host->styles.LoadStyles((TestPaths::BinFolder() + QStringLiteral("/Style"))));
    ASSERT_GE(host->styles.GetCount(), 2);
    GalleryControl gallery(CmdTargetGeneral::ID_APPLICATION_STYLES);
    for (int index = 0; index < host->styles.GetCount(); ++index)
        gallery.AddItem(static_cast<std::uint32_t>(index) + 1, QString::number(index));
    host->gallery = &gallery;

    gallery.SetSelectedItem(1);
    NotifyInfo info(CmdTargetGeneral::ID_APPLICATION_STYLES, NotifyCodes::Execute, &gallery);
    EXPECT_TRUE(target.SendNotify(info));
    EXPECT_EQ(host->styles.GetCurrentIndex(), 1);
    State(CmdTargetGeneral::ID_APPLICATION_STYLES);
    EXPECT_EQ(gallery.GetCheckedItem(), 2u);
}
}
