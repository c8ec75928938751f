#include "workspace/ui/ProviderNotifySource.h"

#include "platform/modules/ProviderBase.h"

ProviderNotifySource::ProviderNotifySource(ProviderBase& provider)
    : m_provider(provider)
{
}

int ProviderNotifySource::GetNotifyState() const
{
    if (!m_provider.IsRunning())
        return 0;
    NDateTime last;
    return m_provider.GetLastTime(last) && last.IsValid() ? 2 : 1;
}

QString ProviderNotifySource::GetNotifyTooltip() const
{
    const QString description = m_provider.GetDescription();
    const QString text = description.isEmpty() ? m_provider.GetName()
                                               : QStringLiteral("%1: %2").arg(m_provider.GetName(), description);
    const QString session = m_provider.GetSessionStateText();
    return session.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, session);
}
