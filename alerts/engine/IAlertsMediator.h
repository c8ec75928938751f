#pragma once
// What the alerts engine needs of the rest of the application: the modules that offer alert
// arguments, the product kind, the instruments of the default provider, the names of cloud
// alerts, the defaults of a new alert and the main frame. The application mediator
// implements it; tests give a fake.

#include "alerts/engine/AlertPropsDefaults.h"
#include "platform/modules/IAlertArgumentSource.h"

#include <QString>
#include <QStringList>

#include <optional>

class IAlertsMediator
{
public:
    virtual ~IAlertsMediator() = default;

    // The module of that name as a source of alert arguments; null when no module has the
    // name or it offers no arguments.
    virtual IAlertArgumentSource* GetAlertArgumentSource(const QString& moduleName) = 0;
    // The product-kind number of the edition; the alert log writes only for 11.
    virtual int GetProductKind() = 0;
    // Every instrument of the default provider; none when there is no default provider.
    virtual std::optional<QStringList> GetListedInstruments() = 0;
    // True when a cloud alert bears the name.
    virtual bool CloudAlertExists(const QString& name) = 0;
    // Read at the moment a new alert is made.
    virtual AlertPropsDefaults GetNewAlertDefaults() = 0;
    // Posts a window message to the main frame from any thread; false when there is no frame.
    // The frame hands it back on the main thread to AlertModule::ProcessChangeRequests.
    virtual bool PostToMainFrame(unsigned message) = 0;
};
