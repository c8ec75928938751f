#include "workspace/ui/ProviderMenuEntry.h"

#include "platform/modules/ProviderBase.h"
#include "platform/ui/RegisteredMessages.h"

ProviderMenuEntry::ProviderMenuEntry(ProviderBase& provider)
    : m_provider(provider)
{
}

bool ProviderMenuEntry::RegisterMessage(int counter)
{
    const QString name = m_provider.GetName();
    if (name.isEmpty())
        return false;
    m_id = RegisteredMessages::Register(name + QString::number(counter));
    return m_id != 0;
}

QString ProviderMenuEntry::GetCaption() const
{
    return m_provider.GetCaption();
}

QString ProviderMenuEntry::GetDescription() const
{
    return m_provider.GetDescription();
}
