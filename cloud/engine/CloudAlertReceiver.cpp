#include "cloud/engine/CloudAlertReceiver.h"

#include "cloud/engine/CloudHttpThread.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/ICloudAlertManager.h"
#include "cloud/engine/ICloudMainWindow.h"

#include <utility>

CloudAlertReceiver::CloudAlertReceiver(CloudHttpThread& thread, CloudMessageManager& manager,
                                       std::shared_ptr<ICloudMainWindow> mainWindow,
                                       std::shared_ptr<ICloudAlertManager> alertManager)
    : m_thread(thread)
    , m_manager(manager)
    , m_mainWindow(std::move(mainWindow))
    , m_alertManager(std::move(alertManager))
{
}

void CloudAlertReceiver::OnAlertEvent(const AlertEventGenerate& event)
{
    if (m_alertManager)
        m_alertManager->AddNewCloudAlertEvent(event);
    if (m_mainWindow)
        m_mainWindow->PostMessage(CloudMessages::kAlertEventsWaiting, 0, 0);
}

void CloudAlertReceiver::OnAlertsModified()
{
    m_manager.SetEventsRequested(false);
    m_thread.NoteAlertsModified();
    m_thread.PostThreadMessage(CloudMessages::kAlertsModified);
    if (m_mainWindow)
        m_mainWindow->PostMessage(CloudMessages::kReloadAlerts, 0, 0);
}
