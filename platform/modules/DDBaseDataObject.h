#pragma once
// The payload of a drag from a data window: what was dragged, for the window it is dropped
// on. A cell of a module that offers alert arguments carries the argument it stands for, which
// the alert editor turns into an operand.

#include "platform/modules/AlertExprArgDesc.h"

#include <QString>

#include <cstdint>

class DDBaseDataObject
{
public:
    void SetupAlertArg(const QString& sourceModuleName, std::uint32_t argumentId, const QString& argumentName,
                       const QString& argumentDescription)
    {
        m_alertArgument = AlertExprArgDesc(sourceModuleName, argumentId, argumentName, argumentDescription);
    }

    // An argument about one instrument (its ticker in the descriptor).
    void SetupAlertArg(const AlertExprArgDesc& argument) { m_alertArgument = argument; }

    bool HasAlertArg() const { return m_alertArgument.IsValid(); }
    // Invalid when the payload carries no alert argument.
    const AlertExprArgDesc& GetAlertArgDescription() const { return m_alertArgument; }

private:
    AlertExprArgDesc m_alertArgument;
};
