#pragma once
// The cloud alerts module as the cloud link reaches it: it takes the alert list and the events
// of the answers, the events the provider pushes, and the orders to announce pushed events and
// to forget everything. The cloud alert manager implements it; tests give a fake.

#include <QString>

#include <memory>
#include <vector>

class CloudAlertData;
class XMLElement;
struct AlertEventGenerate;

class ICloudAlertManager
{
public:
    virtual ~ICloudAlertManager() = default;

    // The alerts of an alert-list answer that the user sees, in the answer's order. Main thread.
    virtual void OnReceivedCloudAlerts(std::vector<std::shared_ptr<CloudAlertData>> alerts) = 0;
    // The event elements of an events answer, in the answer's order: they replace the cloud
    // events of the history. Main thread.
    virtual void OnReceivedCloudAlertEvents(const std::vector<std::shared_ptr<XMLElement>>& events) = 0;
    // An event pushed by the provider, kept until ReorderNewCloudAlertsEvents. Provider thread.
    virtual void AddNewCloudAlertEvent(const AlertEventGenerate& event) = 0;
    // Announces the pushed events whose alerts are known. Main thread.
    virtual void ReorderNewCloudAlertsEvents() = 0;
    // Forgets every alert and event. Main thread.
    virtual void ClearAll() = 0;
    // Whether a cloud alert bears exactly that name. Any thread.
    virtual bool CheckIfAlertExist(const QString& name) const = 0;
};
