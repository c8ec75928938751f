#include "alerts/engine/AlertLog.h"

#include "alerts/engine/IAlertsMediator.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

AlertLog::AlertLog(IAlertsMediator& mediator)
    : m_mediator(mediator)
{
}

QString AlertLog::Prefix(int kind)
{
    switch (kind)
    {
    case eAdded:
        return QStringLiteral("Alert lokalny dodanie - ");
    case eEdited:
        return QStringLiteral("Alert lokalny edycja - ");
    case eGenerated:
        return QStringLiteral("Alert lokalny generacja - ");
    case eRemoved:
        return QStringLiteral("Alert lokalny usunięcie - ");
    case eIncompleteRemoved:
        return QStringLiteral("Alert lokalny niekompletny usunięcie - ");
    default:
        return QString();
    }
}

bool AlertLog::IsWriting() const
{
    return m_mediator.GetProductKind() == kLoggingProductKind;
}

void AlertLog::AddLog(int kind, const QString& text) const
{
    if (!IsWriting())
        return;
    Log::WriteInfo(Prefix(kind) + text, QString::fromLatin1(AppPaths::kProductName), QStringLiteral("AlertLog::AddLog"),
                   30);
}
