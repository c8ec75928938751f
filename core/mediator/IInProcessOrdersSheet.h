#pragma once
// The orders-sheet module as the application mediator holds it: a module of the application,
// a source of alert arguments, its general-settings group and its open windows.

#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/IGenericModule.h"

#include <memory>
#include <vector>

class Asset;
class GeneralSettingsGroupManagerBase;
class IAlertArgumentSource;
class QWidget;

class IInProcessOrdersSheet : public IGenericModule
{
public:
    virtual IAlertArgumentSource* GetAlertArgumentSource() = 0;
    // The group with id 3.
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> GetGeneralSettingsGroup() = 0;
    // Appends the module's open windows.
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
    // The instrument becomes the active one and its orders sheet shows in the parent; false
    // when it could not be shown.
    virtual bool ShowOrdersSheetForAsset(const Asset& asset, QWidget* parent) = 0;
    // The general command: a visible sheet hides, else the sheet shows in the parent (made on
    // the active instrument when there is none); false when none could be shown.
    virtual bool ShowOrdersSheetWindow(QWidget* parent) = 0;
    // Whether the sheet the general command shows is visible (the command shows checked).
    virtual bool IsOrdersSheetWindowVisible() const = 0;
};
