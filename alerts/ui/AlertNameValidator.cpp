#include "alerts/ui/AlertNameValidator.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/ui/AlertDefinitionMessages.h"

bool AlertNameValidator::IsValid(const QString& name) const
{
    return !name.isEmpty() && m_module.AlertNameAvailable(name);
}

void AlertNameValidator::OnInvalid(const QString& name) const
{
    AlertDefinitionMessages::ShowError(InvalidText(name));
}

QString AlertNameValidator::InvalidText(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("Nie zmieniono nazwy alertu ponieważ\npusta nazwa jest niedozwolona\n");
    // The name is inserted as text: a name holding "%" characters is never read as a format.
    return QStringLiteral("Nie zmieniono nazwy alertu ponieważ\nalert o nazwie \"") + name
           + QStringLiteral("\" już istnieje\n");
}
