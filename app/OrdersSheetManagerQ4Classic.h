#pragma once
// The orders-sheet module as the standard edition makes it: its module face ("Arkusz zlecen"),
// one sheet instance per instrument with its processing thread, made with the instrument's
// first window and gone with its last, and the module's own collection of windows without an
// instrument. The general command shows and hides the sheet window in a panel; the
// mediator's run-asset command shows it for an instrument. Window files (root
// "OrdersSheetObject") and the next-generation export (root "OrdersSheet") hold a window's state.
// As a source of alert arguments it accepts every argument of its tables and delivers no
// values itself. It makes the sheets' display style kind known, keeps the module's window style
// (the style of windows without their own), the template of new windows and the template group
// (id 3). Main thread only.

#include "core/mediator/IInProcessOrdersSheet.h"
#include "orderssheet/engine/OSDlgsCollection.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "orderssheet/ui/CmdTargetOrdersSheet.h"
#include "orderssheet/ui/IOrdersSheetModule.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IAlertArgumentSource.h"

#include <QPointer>
#include <QRect>

#include <map>
#include <memory>
#include <optional>

class IOrdersSheetWindow;
class OrdersSheetAssetInstance;
class OrdersSheetGeneralSettingsGroup;
class StyleOrdersSheet;

class OrdersSheetManagerQ4Classic : public IInProcessOrdersSheet, public IAlertArgumentSource, public IOrdersSheetModule
{
public:
    OrdersSheetManagerQ4Classic();
    // Every instance goes: its thread stops (logged) and its windows are deleted.
    ~OrdersSheetManagerQ4Classic() override;

    // IGenericModule
    QString GetFileExtension() const override { return QStringLiteral(".q4sOS"); }
    QString GetFileFilter() const override;
    QString GetModuleName() const override { return QStringLiteral("Arkusz zlecen"); }
    QString GetDefaultFileName() const override { return QString(); }
    bool CanSaveWindowToFile() const override { return true; }
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void SerialisePanelStateToQ5Format(Q5Settings& node) override {}
    void SerialisePanelState(Settings& node) override {}
    void UnserialisePanelState(const Settings& node) override {}
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override {}
    bool SerialiseInLastSession(QWidget* window) const override { return true; }
    void OnSessionLoaded(QWidget* activeView) override {}
    // The first named window style of the instances in instrument order; -2 when none.
    int GetFirstNamedWindowStyleId() const override;
    // The named orders-sheet style of the id becomes the module's window style; another id
    // gives the module a new default style.
    void FindWindowStyle(int styleId) override;

    // IInProcessOrdersSheet
    IAlertArgumentSource* GetAlertArgumentSource() override { return this; }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() override;
    // Every sheet window, of an instrument or not: quote tables can be connected to each.
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override;
    bool ShowOrdersSheetForAsset(const Asset& asset, QWidget* parent) override;
    bool ShowOrdersSheetWindow(QWidget* parent) override;
    bool IsOrdersSheetWindowVisible() const override;

    // IAlertArgumentSource
    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override {}
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override {}
    bool IsArgumentValid(const AlertExprArgDesc& argument) override { return true; }
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override { return true; }
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override {}

    // IOrdersSheetModule
    IGenericModule* GetGenericModule() override { return this; }
    CmdTarget* GetSheetCmdTarget() override { return &m_cmdTarget; }
    // The window (owned from now on) joins the instrument's instance; the first window makes
    // and starts it. A null window raises InvalidArgException; false, the window left to its
    // caller, when the instance could not start (logged).
    bool AttachWindowToAsset(const Asset& asset, IOrdersSheetWindow* window) override;
    // The window leaves its old instrument (an instance left without windows goes) for the new.
    bool ChangeWindowAsset(const Asset& oldAsset, const Asset& newAsset, IOrdersSheetWindow* window) override;
    // Deletes the window; its instance goes with its last window. Null raises InvalidArgException.
    void RemoveWindowFromAsset(IOrdersSheetWindow* window, const Asset& asset) override;
    // Null when the instrument has no sheet.
    OrdersSheetAssetInstance* FindInstance(const Asset& asset) const override;
    void AddOwnWindow(IOrdersSheetWindow* window) override;
    void DetachOwnWindow(IOrdersSheetWindow* window) override;
    void RemoveOwnWindow(IOrdersSheetWindow* window) override;
    void ForgetWindow(IOrdersSheetWindow* window) override;
    int GetFreeWindowNumber(const IOrdersSheetWindow* window, const Asset* asset) const override;
    void SetCurrentWindow(QWidget* window) override;

    // The general command's work: hides a visible sheet unless forced, else shows it (a new
    // window in the parent at the rectangle when none can take the active instrument).
    bool ShowOrdersSheetWindow(QWidget* parent, std::optional<QRect> area, bool force);
    // The one window of the one instance, else the first window without an instrument; null when none.
    OrderSheetMainDlg* GetOrdersSheetDlg() const;
    // The window the sheet's commands act on (last activated or started); null when none.
    OrderSheetMainDlg* GetCurrentWindow() const { return m_current.data(); }
    // The current window of the mediator's sheet module; null when there is none.
    static OrderSheetMainDlg* MediatorCurrentWindow();
    // The sheet commands' services on the mediator's sheet module and style edit mode.
    static CmdTargetOrdersSheet::Services MediatorCmdServices();
    // Every instance goes with its windows, and every window without an instrument.
    void CloseAllWindows();
    // The style windows without an own style show; never empty.
    std::shared_ptr<StyleOrdersSheet> GetModuleStyle() const { return m_moduleStyle; }
    const OSDlgsCollection& GetOwnWindows() const { return m_ownWindows; }

private:
    // Erases the instance, whose thread stops; the log names it.
    void EraseInstance(std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>>::iterator position);
    // The template of new windows: the template group's node when it has one.
    void LoadTemplate();
    static QWidget* ActivePanel(QWidget* parent);
    // The instrument a new window opens on when it takes none from the active window.
    static std::optional<Asset> NewWindowAsset();

    std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>> m_instances;
    OSDlgsCollection m_ownWindows;
    std::shared_ptr<OrdersSheetGeneralSettingsGroup> m_templateGroup;
    std::shared_ptr<StyleOrdersSheet> m_moduleStyle;
    OrdersSheetSettings m_template;
    QPointer<OrderSheetMainDlg> m_current;
    CmdTargetOrdersSheet m_cmdTarget{[this] { return m_current.data(); }, MediatorCmdServices()};
    // Set while the module itself deletes windows: they need not be forgotten.
    int m_releasing = 0;
};
