#pragma once
// The sink through which the online quotation provider tells the cloud alerts what it learns
// of the user's cloud account: alert events as they fire, and that the alert definitions
// changed. The provider calls it on its own thread while it is registered.

#include <QString>

struct AlertEventGenerate;

class AlertReceiver
{
public:
    virtual ~AlertReceiver() = default;

    virtual void OnAlertEvent(const AlertEventGenerate& event) = 0;
    virtual void OnAlertsModified() = 0;
    virtual QString GetReceiverText() const = 0;
};
