#pragma once
// The face of the alert module through which the modules that offer alert arguments deliver
// their values, request-id changes and destroyed arguments. Every call may come from any
// thread and only queues the work for the alerts worker thread.

#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgList.h"
#include "platform/modules/AlertExprArgValue.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// What the alert module tells about an alert that uses an argument.
struct BasicAlertInfo
{
    explicit BasicAlertInfo(QString name)
        : Name(std::move(name))
    {
    }

    QString Name;
};

class IAlertModule
{
public:
    virtual ~IAlertModule() = default;

    // The source requested the data of the argument's request anew under requestId.
    virtual void OnUpdateArgRequestId(const AlertExprArgDesc& argument, std::uint32_t requestId) = 0;
    virtual void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) = 0;
    virtual void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList> values) = 0;
    virtual void OnArgDestroyed(const AlertExprArgDesc& argument) = 0;
    // The alerts that use the argument, in the order they were linked to it.
    virtual void GatherAssociatedAlertsInfo(const AlertExprArgDesc& argument, std::vector<BasicAlertInfo>& alerts) = 0;

    // Operations of this system's own come after the slots above: module libraries built against
    // the face call those by their position.

    // Writes the module's diagnostic state file; false when there is none or it was not written.
    virtual bool LogAlertsState() { return false; }
};
