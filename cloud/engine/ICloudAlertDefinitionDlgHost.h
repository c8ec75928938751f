#pragma once
// The holder of the cloud alert definition dialog, as the cloud alert manager reaches it: it
// makes the dialog on its first showing, places, loads, shows and hides it, and forgets it when
// it closes. The windows' side of the program implements it. Main thread only.

#include <memory>

class CloudAlertData;
class QWidget;

class ICloudAlertDefinitionDlgHost
{
public:
    virtual ~ICloudAlertDefinitionDlgHost() = default;

    // Loads the alert (none for a new alert) into the dialog and shows or hides it; with show
    // false and no dialog, nothing happens.
    virtual void ShowDefinitionDlg(bool show, const std::shared_ptr<const CloudAlertData>& alert) = 0;
    // The dialog while it exists; null before its first showing and after it closed.
    virtual QWidget* GetDefinitionDlg() const = 0;
};
