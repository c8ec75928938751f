#pragma once
// The face of a module that offers live values to alert expressions. The alert module asks
// it whether an argument is valid and tells it when an argument starts and stops being used,
// so that the source publishes only what alerts need; the source delivers the values through
// IAlertModule on its own threads.

#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/AlertExprArgList.h"

#include <memory>

class IAlertArgumentSource
{
public:
    virtual ~IAlertArgumentSource() = default;

    // Hands a batch of values to the alert module.
    virtual void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) = 0;
    // Tells the alert module that an argument is gone for good.
    virtual void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) = 0;
    virtual bool IsArgumentValid(const AlertExprArgDesc& argument) = 0;
    // False when the source refuses to serve the argument.
    virtual bool AddArgumentUsage(const AlertExprArgDesc& argument) = 0;
    virtual void RemoveArgumentUsage(const AlertExprArgDesc& argument) = 0;
};
