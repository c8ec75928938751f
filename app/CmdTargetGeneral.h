#pragma once
// The frame's general command target: the ribbon and main-menu commands that belong to no one
// kind of module window. New windows of every kind and module windows opened from files,
// saving windows and desktops, closing all windows of the screen, the chart tools that work
// across charts, the application style and the session-statistics window's style, the ribbon's
// size, the program's options, help, update, print and close, the formula editor and testers.
// Most commands are disabled while the version-information page is the selected screen. The
// frame asks it first among its own targets. Main thread only.

#include "platform/ui/CmdTarget.h"

#include <QString>

#include <cstdint>
#include <memory>

class CmdTargetGeneralProcessor;
class CmdUI;
class IGeneralCommandsHost;
class IGenericModule;
struct NotifyInfo;

class CmdTargetGeneral : public CmdTarget
{
public:
    // Screens, desktops and window files.
    static constexpr std::uint32_t ID_OPEN_WINDOW = 33000;
    static constexpr std::uint32_t ID_CLOSE_SCREEN = 57602;
    static constexpr std::uint32_t ID_SAVE_WINDOW = 32886;
    static constexpr std::uint32_t ID_SAVE_WINDOW_Q5 = 33959;
    static constexpr std::uint32_t ID_SAVE_DESKTOP = 32913;
    static constexpr std::uint32_t ID_OPEN_DESKTOP = 32914;
    static constexpr std::uint32_t ID_SAVE_DESKTOP_Q5 = 33960;
    static constexpr std::uint32_t ID_CLOSE_ALL_WINDOWS = 33581;
    // New module windows.
    static constexpr std::uint32_t ID_NEW_CHART = 32990;
    static constexpr std::uint32_t ID_NEW_TABLE = 32991;
    static constexpr std::uint32_t ID_NEW_DETAILS = 32992;
    static constexpr std::uint32_t ID_NEW_OFFERS = 32993;
    static constexpr std::uint32_t ID_NEW_TRANSLIST = 32994;
    static constexpr std::uint32_t ID_NEW_TRANSACTIONS_MONITOR = 33837;
    static constexpr std::uint32_t ID_MULTI_DATA = 33676;
    static constexpr std::uint32_t ID_FILES_GENERATOR = 33685;
    static constexpr std::uint32_t ID_ORDERS_SHEET = 32996;
    static constexpr std::uint32_t ID_SESSION_STATISTICS = 32995;
    static constexpr std::uint32_t ID_ALERTS_MANAGER = 32997;
    static constexpr std::uint32_t ID_NEW_ALERT = 32999;
    static constexpr std::uint32_t ID_NEW_LOCAL_ALERT = 33947;
    // Module windows from files.
    static constexpr std::uint32_t ID_OPEN_CHART = 33001;
    static constexpr std::uint32_t ID_OPEN_DETAILS = 32960;
    static constexpr std::uint32_t ID_OPEN_TRANSLIST = 32956;
    static constexpr std::uint32_t ID_OPEN_OFFERS = 32958;
    static constexpr std::uint32_t ID_OPEN_TABLE = 32915;
    static constexpr std::uint32_t ID_OPEN_ORDERS_SHEET = 33373;
    static constexpr std::uint32_t ID_OPEN_TRANSACTIONS_MONITOR = 33895;
    // Chart tools.
    static constexpr std::uint32_t ID_INSPECTOR = 32770;
    static constexpr std::uint32_t ID_INSPECTOR_CROSS = 32768;
    static constexpr std::uint32_t ID_RULER = 32771;
    // Styles and the ribbon.
    static constexpr std::uint32_t ID_APPLICATION_STYLES = 33612;
    static constexpr std::uint32_t ID_STATISTICS_STYLE = 33393;
    static constexpr std::uint32_t ID_STATISTICS_STYLES_GALLERY = 33395;
    static constexpr std::uint32_t ID_STATISTICS_MORE_OPTIONS = 33917;
    static constexpr std::uint32_t ID_STATISTICS_RESTORE = 33919;
    static constexpr std::uint32_t ID_STATISTICS_RESTORE_ALL = 33918;
    static constexpr std::uint32_t ID_STATISTICS_VISIBLE_PANES = 33519;
    static constexpr std::uint32_t ID_RIBBON_MINIMIZE = 33633;
    static constexpr std::uint32_t ID_RIBBON_EXPAND = 33634;
    static constexpr std::uint32_t ID_SWITCH_WINDOWS = 33598;
    static constexpr std::uint32_t ID_MOVE_WINDOW_TO = 33599;
    // The program.
    static constexpr std::uint32_t ID_OPTIONS = 33467;
    static constexpr std::uint32_t ID_HELP = 33577;
    static constexpr std::uint32_t ID_UPDATE_PROGRAM = 33029;
    static constexpr std::uint32_t ID_CLOSE_APPLICATION = 33466;
    static constexpr std::uint32_t ID_PRINT = 33677;
    static constexpr std::uint32_t ID_DISCARD = 33463;
    // The formula language and testers.
    static constexpr std::uint32_t ID_FORMULA_EDITOR = 33935;
    static constexpr std::uint32_t ID_AUTOMATIC_TESTS = 33922;
    static constexpr std::uint32_t ID_TESTER = 33945;
    // Commands without effect in this program.
    static constexpr std::uint32_t ID_PAP = 72;
    static constexpr std::uint32_t ID_SYNCHRONIZE_DESKTOP = 1454;
    static constexpr std::uint32_t ID_RESTORE_DESKTOP = 1455;
    static constexpr std::uint32_t ID_CLOUD_ALERT = 1456;
    static constexpr std::uint32_t ID_RUN_EXTERNAL_PROGRAM = 1500;

    static inline const QString kCloseAllQuestion =
        QStringLiteral("Nastąpi zamknięcie wszystkich okien bieżącego ekranu.\nKontynuować?");
    static inline const QString kStatisticsStyleTitle = QStringLiteral("Podgląd i edycja stylu %1");
    static inline const QString kStatisticsWindowKind = QStringLiteral("okna statystyki sesji");

    // Over the program's main frame and application mediator, with the edition's processor.
    CmdTargetGeneral();
    CmdTargetGeneral(std::shared_ptr<IGeneralCommandsHost> host, std::shared_ptr<CmdTargetGeneralProcessor> processor);
    ~CmdTargetGeneral() override;

private:
    void AddWindowCommands();
    void AddModuleCommands();
    void AddOpenFileCommands();
    void AddChartTools();
    void AddStyleCommands();
    void AddProgramCommands();

    // Disabled while the version-information page is the selected screen.
    bool RuleV() const;
    // Enables by rule V, then by the condition when rule V lets it.
    void EnableUnderRuleV(CmdUI& cmdUI, bool condition = true) const;
    void OnUpdateRuleV(std::uint32_t id);
    QWidget* ActiveView() const;

    void OnSaveWindow(bool q5Format);
    void OnCloseAllWindows();
    void OnNewChart();
    void OnNewTable();
    void OnOpenWindowFile(IGenericModule* module);
    void OnUpdateFilesGenerator(CmdUI& cmdUI) const;
    void OnUpdateChartTool(CmdUI& cmdUI, bool (*isOn)(const class ChartConsumer&)) const;
    void OnApplicationStyleSelected(NotifyInfo& info);
    void OnUpdateApplicationStyles(CmdUI& cmdUI) const;
    void OnStatisticsStyle();
    void OnUpdateStatisticsStyle(CmdUI& cmdUI) const;
    void OnUpdateRibbonSize(CmdUI& cmdUI, bool minimize) const;
    void OnFormulaEditor();

    std::shared_ptr<IGeneralCommandsHost> m_host;
    std::shared_ptr<CmdTargetGeneralProcessor> m_processor;
};
