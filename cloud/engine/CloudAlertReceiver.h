#pragma once
// The receiver that the cloud worker registers at the online quotation provider. The provider
// calls it on its own thread: pushed alert events go to the cloud alert manager and the main
// window is told; a modification notice lets the worker stop waiting for it and reloads the
// alert list and, afterwards, the events.

#include "platform/modules/AlertReceiver.h"

#include <memory>

class CloudHttpThread;
class CloudMessageManager;
class ICloudAlertManager;
class ICloudMainWindow;

class CloudAlertReceiver : public AlertReceiver
{
public:
    // The thread and the manager outlive the receiver's registration.
    CloudAlertReceiver(CloudHttpThread& thread, CloudMessageManager& manager, std::shared_ptr<ICloudMainWindow> mainWindow,
                       std::shared_ptr<ICloudAlertManager> alertManager);

    void OnAlertEvent(const AlertEventGenerate& event) override;
    void OnAlertsModified() override;
    QString GetReceiverText() const override { return QString(); }

private:
    CloudHttpThread& m_thread;
    CloudMessageManager& m_manager;
    const std::shared_ptr<ICloudMainWindow> m_mainWindow;
    const std::shared_ptr<ICloudAlertManager> m_alertManager;
};
