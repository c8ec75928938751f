#pragma once
// The standard edition's cloud alerts: the cloud alert manager over the application's mediator
// and alert module, with the definition dialog's holder and the notification popup's message,
// given to the cloud object. Main thread, once at start-up.

#include <memory>

class CloudAlertManager;
class CloudManager;

std::shared_ptr<CloudAlertManager> ConnectCloudAlertsQ4Classic(CloudManager& cloud);
