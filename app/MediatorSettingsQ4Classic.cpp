#include "app/MediatorSettingsQ4Classic.h"

#include "core/mediator/Quorvanta4FactoryBase.h"
#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <utility>

namespace
{
void WriteSettingsError(const QString& text, const char* where, int line)
{
    Log::WriteError(text, QString::fromUtf8(AppPaths::kProductName), QString::fromLatin1(where), line);
}
}

MediatorSettingsQ4Classic::MediatorSettingsQ4Classic(std::shared_ptr<Quorvanta4FactoryBase> factory)
    : m_factory(std::move(factory))
{
}

MediatorSettingsQ4Classic::~MediatorSettingsQ4Classic() = default;

bool MediatorSettingsQ4Classic::CreateGlobalSettings()
{
    m_globals = std::dynamic_pointer_cast<GlobalSettingsQ4Classic>(m_factory->CreateGlobalSettings());
    if (m_globals)
    {
        Log::WriteInfo(QStringLiteral("Wczytano ustawienia globalne: domyślny dostawca danych \"%1\", styl aplikacji \"%2\".")
                           .arg(m_globals->GetDefaultProviderName(), m_globals->GetApplicationStyleName()),
                       QString::fromUtf8(AppPaths::kProductName), QStringLiteral("MediatorSettingsQ4Classic::CreateGlobalSettings"),
                       __LINE__);
        return true;
    }
    WriteSettingsError(QStringLiteral("Fabryka wydania nie utworzyła ustawień globalnych."),
                       "MediatorSettingsQ4Classic::CreateGlobalSettings", __LINE__);
    return false;
}

void MediatorSettingsQ4Classic::ReleaseGlobalSettings()
{
    m_globals.reset();
}

IGlobalSettings* MediatorSettingsQ4Classic::GetGlobalSettingsObject()
{
    return m_globals.get();
}

void MediatorSettingsQ4Classic::AddGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group)
{
    m_manager.AddGroup(group);
}

void MediatorSettingsQ4Classic::AddLibraryGroup(const std::shared_ptr<GeneralSettingsGroupManagerBase>& group)
{
    m_manager.AddLibraryGroup(group);
}

std::shared_ptr<GeneralSettingsGroupManagerBase> MediatorSettingsQ4Classic::GetGlobalSettingsGroup()
{
    return m_globals;
}

std::shared_ptr<GeneralSettingsGroupManagerBase> MediatorSettingsQ4Classic::GetLocalAlertsGroup()
{
    if (!m_localAlertsGroup)
        m_localAlertsGroup = std::make_shared<AlertsGeneralSettingsGroup>(nullptr);
    return m_localAlertsGroup;
}

QString MediatorSettingsQ4Classic::GetDefaultProviderName()
{
    return m_globals ? m_globals->GetDefaultProviderName() : QString();
}

void MediatorSettingsQ4Classic::SetDefaultProviderName(const QString& name)
{
    if (!m_globals || !m_globals->SetDefaultProviderName(name))
        WriteSettingsError(QStringLiteral("Nie zapisano domyślnego dostawcy danych \"%1\" w ustawieniach globalnych.").arg(name),
                           "MediatorSettingsQ4Classic::SetDefaultProviderName", __LINE__);
}

void MediatorSettingsQ4Classic::ApplyTimeSourceProvider()
{
    if (m_globals)
        m_globals->ApplyTimeSourceProvider();
}

bool MediatorSettingsQ4Classic::IsTimeSourceProvider(const ProviderBase* provider)
{
    return provider && m_globals && m_globals->GetTimeSourceProvider() == provider;
}
