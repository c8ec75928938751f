#pragma once
// The alerts window, hosted in a panel: a tab control with the history of generated alerts
// ("Wygenerowane") and the defined alerts ("Zdefiniowane"), each a grid over the alert module's
// list model. While shown, a 100 ms timer redraws the grids that asked for it (and brings the
// rows the worker added to the history into view) and a 1500 ms timer redraws the history so
// that the highlight of new rows ends on screen. Its state (tab, column widths) is the content
// of the window files. The selected defined alert names the ribbon's alerts tab, which is
// offered only while the defined alerts are shown. Main thread only.

#include "alerts/ui/DefinedAlertsGridHandler.h"
#include "alerts/ui/GeneratedAlertsGridHandler.h"
#include "alerts/ui/IAlertsGridsOwner.h"
#include "platform/modules/ModuleWndBase.h"
#include "ribbon/alertstab/ITabCtrlExOwner.h"

#include <QFont>
#include <QTimer>

#include <functional>
#include <memory>

class AlertModule;
class AlertsGridView;
class IGenericModule;
class Q5Settings;
class Settings;
class TableCtrl;
class TabCtrlEx;

class AlertsInfoDlg : public ModuleWndBase, public ITabCtrlExOwner, public IAlertsGridsOwner
{
    Q_OBJECT

public:
    static constexpr int kRedrawTimerId = 0;
    static constexpr int kHighlightTimerId = 2;
    static constexpr int kRedrawPeriodMs = 100;
    static constexpr int kHighlightPeriodMs = 1500;
    static constexpr int kWindowImage = 481;
    static constexpr int kCaptionStringId = 47;
    static constexpr int kMinCaptionLength = 6;
    static constexpr int kNeitherTab = 2;

    // Sets the caption of the ribbon's alerts tab; may be empty.
    using TabCaptionSetter = std::function<void(const QString& caption)>;

    // genericModule: the module the panels and the ribbon know the window by.
    AlertsInfoDlg(AlertModule& module, IGenericModule* genericModule, TabCaptionSetter tabCaption,
                  QWidget* parent = nullptr);
    ~AlertsInfoDlg() override;

    // ModuleWndBase
    IGenericModule* GetModule() const override { return m_genericModule; }
    CmdTarget* GetCmdTarger() const override { return nullptr; }
    QString GetRibbonCaptionString() const override;
    bool IsContextRibbonAvailable() const override { return m_activeTab == 0; }
    QIcon GetImage() const override;

    // IAlertsGridsOwner
    AlertModule& GetAlertModule() const override { return m_module; }
    int GetActiveTabNumber() const override { return m_activeTab; }
    const QFont& GetNormalFont() const override { return m_normalFont; }
    const QFont& GetHighlightFont() const override { return m_highlightFont; }

    // ITabCtrlExOwner
    void SetActiveTab(int number) override { m_activeTab = number; }
    void OnTabChanged() override;

    void Show();
    void Hide();
    void OnTimer(int id);
    bool IsTimerActive(int id) const;
    void OnWindowActivate();
    void OnWindowDeactivate();

    void SerializeState(Settings& node) const;
    void UnSerializeState(const Settings& node, bool fromPanel);
    void SerializeStateToQ5Format(Q5Settings& node) const;

    // The caption the ribbon's alerts tab takes: the selected defined alert's name padded to 6
    // characters, "Alerty" without one or while the defined alerts are not shown.
    QString GetAlertsTabCaption() const;
    int GetSelectedDefinedAlertRow() const { return m_definedHandler.GetSelectedRow(); }

    DefinedAlertsGridHandler& DefinedHandler() { return m_definedHandler; }
    GeneratedAlertsGridHandler& GeneratedHandler() { return m_generatedHandler; }
    TableCtrl& DefinedTable() const { return *m_definedTable; }
    TableCtrl& GeneratedTable() const { return *m_generatedTable; }
    TabCtrlEx& TabCtrl() const { return *m_tabCtrl; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateRibbonTabCaption() const;

    AlertModule& m_module;
    IGenericModule* m_genericModule;
    TabCaptionSetter m_tabCaption;
    DefinedAlertsGridHandler m_definedHandler{*this};
    GeneratedAlertsGridHandler m_generatedHandler{*this};
    QFont m_normalFont;
    QFont m_highlightFont;
    TabCtrlEx* m_tabCtrl = nullptr;
    TableCtrl* m_definedTable = nullptr;
    TableCtrl* m_generatedTable = nullptr;
    std::unique_ptr<AlertsGridView> m_definedView;
    std::unique_ptr<AlertsGridView> m_generatedView;
    int m_activeTab = kNeitherTab;
    QTimer m_redrawTimer;
    QTimer m_highlightTimer;
};
