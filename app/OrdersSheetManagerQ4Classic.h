#pragma once
// The orders-sheet module as the standard edition makes it: its module face ("Arkusz zlecen")
// and the engine side, one sheet instance per instrument with its processing thread, made with
// the instrument's first window and gone with its last. The sheet windows are not part of the
// program yet: window files are refused and the sheet cannot be shown for an instrument.
// As a source of alert arguments it accepts every argument of its tables and delivers no
// values itself. It makes the sheets' display style kind known, keeps the module's window style
// (the style of windows without their own) and the template group (id 3). Main thread only.

#include "core/mediator/IInProcessOrdersSheet.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IAlertArgumentSource.h"

#include <map>
#include <memory>

class IOrdersSheetWindow;
class OrdersSheetAssetInstance;
class OrdersSheetGeneralSettingsGroup;
class StyleOrdersSheet;

class OrdersSheetManagerQ4Classic : public IInProcessOrdersSheet, public IAlertArgumentSource
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
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
    bool ShowOrdersSheetForAsset(const Asset& asset, QWidget* parent) override;

    // IAlertArgumentSource
    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override {}
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override {}
    bool IsArgumentValid(const AlertExprArgDesc& argument) override { return true; }
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override { return true; }
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override {}

    // The window (owned from now on) joins the instrument's instance; the first window makes
    // and starts it. A null window raises InvalidArgException; false when the instance could
    // not start (logged), the window then deleted.
    bool AttachWindowToAsset(const Asset& asset, IOrdersSheetWindow* window);
    // The window leaves its old instrument (an instance left without windows goes) for the new.
    bool ChangeWindowAsset(const Asset& oldAsset, const Asset& newAsset, IOrdersSheetWindow* window);
    // Deletes the window; its instance goes with its last window. Null raises InvalidArgException.
    void RemoveWindowFromAsset(IOrdersSheetWindow* window, const Asset& asset);
    // Every instance goes with its windows.
    void CloseAllWindows();
    // Null when the instrument has no sheet.
    OrdersSheetAssetInstance* FindInstance(const Asset& asset) const;
    // The style windows without an own style show; never empty.
    std::shared_ptr<StyleOrdersSheet> GetModuleStyle() const { return m_moduleStyle; }

private:
    // Erases the instance, whose thread stops; the log names it.
    void EraseInstance(std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>>::iterator position);

    std::map<Asset, std::shared_ptr<OrdersSheetAssetInstance>> m_instances;
    std::shared_ptr<OrdersSheetGeneralSettingsGroup> m_templateGroup;
    std::shared_ptr<StyleOrdersSheet> m_moduleStyle;
};
