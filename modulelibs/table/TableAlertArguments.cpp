#include "modulelibs/table/TableAlertArguments.h"

#include "modulelibs/table/TableFields.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/AlertExprArgValue.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/IAlertModule.h"
#include "platform/modules/ProviderBase.h"

#include <utility>
#include <vector>

namespace
{
constexpr const char* kFile = "TableAlertArguments.cpp";

OleDate TimeOf(const CurrentState& state)
{
    return state.GetTime().IsValid() ? OleDate::FromQDateTime(state.GetTime().ToQDateTime()) : OleDate::Now();
}
}

TableAlertArguments::TableAlertArguments(QString moduleName, Services services)
    : m_moduleName(std::move(moduleName))
    , m_services(std::move(services))
    , m_lock(QStringLiteral("TableAlertArguments::followed"))
{
}

// The providers may be gone by now: the library stops following in its shut-down.
TableAlertArguments::~TableAlertArguments() = default;

AlertExprArgDesc TableAlertArguments::Describe(const Asset& asset, int fieldId) const
{
    const TableFields::FieldInfo* field = TableFields::Find(fieldId);
    const QString ticker = asset.GetShortName();
    if (!field || !TableFields::IsNumeric(fieldId) || ticker.isEmpty())
        return {};
    // The name says which instrument fired, in the popup, the lists and the mail alike.
    return AlertExprArgDesc(m_moduleName, static_cast<std::uint32_t>(fieldId),
                            QStringLiteral("%1 %2").arg(ticker, field->caption), QStringLiteral("w tabeli notowań"),
                            ticker);
}

void TableAlertArguments::PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values)
{
    IAlertModule* alerts = m_services.alerts ? m_services.alerts() : nullptr;
    if (alerts && values)
        alerts->OnUpdateArgListValues(std::move(values));
}

void TableAlertArguments::NotifyArgumentDestroyed(const AlertExprArgDesc& argument)
{
    if (IAlertModule* alerts = m_services.alerts ? m_services.alerts() : nullptr)
        alerts->OnArgDestroyed(argument);
}

bool TableAlertArguments::IsArgumentValid(const AlertExprArgDesc& argument)
{
    return argument.IsValid() && argument.GetSourceModuleName() == m_moduleName && !argument.IsSeriesBased()
           && TableFields::IsNumeric(static_cast<int>(argument.GetBaseArgumentSourceID()))
           && !argument.GetInstrument().isEmpty();
}

std::optional<Asset> TableAlertArguments::Resolve(const QString& ticker) const
{
    ProviderBase* provider = m_services.provider ? m_services.provider() : nullptr;
    if (!provider)
        return std::nullopt;
    for (const Asset& asset : provider->GetAllAssets())
    {
        if (asset.GetShortName() == ticker)
            return asset;
    }
    return std::nullopt;
}

bool TableAlertArguments::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    if (!IsArgumentValid(argument))
        return false;
    const QString ticker = argument.GetInstrument();
    const int field = static_cast<int>(argument.GetBaseArgumentSourceID());
    const std::optional<Asset> asset = Resolve(ticker);
    if (!asset || !asset->GetProvider())
        return false;
    bool first = false;
    {
        const SafeAutoLock lock(m_lock, "TableAlertArguments::AddArgumentUsage", kFile);
        Followed& followed = m_followed[ticker];
        first = followed.fields.empty();
        followed.asset = *asset;
        ++followed.fields[field];
    }
    if (!first || asset->GetProvider()->AddQuotesReceiver(this, *asset))
        return true;
    // The provider refused the instrument: the usage is not counted.
    const SafeAutoLock lock(m_lock, "TableAlertArguments::AddArgumentUsage", kFile);
    const auto found = m_followed.find(ticker);
    if (found != m_followed.end() && --found->second.fields[field] <= 0)
    {
        found->second.fields.erase(field);
        if (found->second.fields.empty())
            m_followed.erase(found);
    }
    return false;
}

void TableAlertArguments::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    if (!IsArgumentValid(argument))
        return;
    const int field = static_cast<int>(argument.GetBaseArgumentSourceID());
    std::optional<Asset> unfollowed;
    {
        const SafeAutoLock lock(m_lock, "TableAlertArguments::RemoveArgumentUsage", kFile);
        const auto found = m_followed.find(argument.GetInstrument());
        if (found == m_followed.end())
            return;
        Followed& followed = found->second;
        const auto count = followed.fields.find(field);
        if (count == followed.fields.end())
            return;
        if (--count->second > 0)
            return;
        followed.fields.erase(count);
        followed.lastValues.erase(field);
        if (followed.fields.empty())
        {
            unfollowed = followed.asset;
            m_followed.erase(found);
        }
    }
    if (unfollowed && unfollowed->GetProvider())
        unfollowed->GetProvider()->RemoveQuotesReceiver(this, *unfollowed);
}

int TableAlertArguments::UsageCount(const AlertExprArgDesc& argument) const
{
    const SafeAutoLock lock(m_lock, "TableAlertArguments::UsageCount", kFile);
    const auto found = m_followed.find(argument.GetInstrument());
    if (found == m_followed.end())
        return 0;
    const auto count = found->second.fields.find(static_cast<int>(argument.GetBaseArgumentSourceID()));
    return count == found->second.fields.end() ? 0 : count->second;
}

void TableAlertArguments::OnQuote(const Asset& asset, const CurrentState& state)
{
    std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> values;
    {
        const SafeAutoLock lock(m_lock, "TableAlertArguments::OnQuote", kFile);
        const auto found = m_followed.find(asset.GetShortName());
        if (found == m_followed.end())
            return;
        Followed& followed = found->second;
        for (const auto& [fieldId, count] : followed.fields)
        {
            const TableFields::FieldInfo* field = TableFields::Find(fieldId);
            const ValueCS* value = field ? state.Find(field->series) : nullptr;
            if (!value || !value->HasValue())
                continue;
            const double number = value->GetDouble();
            const auto last = followed.lastValues.find(fieldId);
            if (last != followed.lastValues.end() && last->second == number)
                continue;
            followed.lastValues[fieldId] = number;
            values.emplace_back(Describe(asset, fieldId), AlertExprArgValue(number, field->decimals, TimeOf(state)));
        }
    }
    IAlertModule* alerts = m_services.alerts ? m_services.alerts() : nullptr;
    if (!alerts)
        return;
    for (const auto& [argument, value] : values)
        alerts->OnUpdateArgValue(argument, value);
}

void TableAlertArguments::StopFollowing()
{
    std::vector<Asset> followed;
    {
        const SafeAutoLock lock(m_lock, "TableAlertArguments::StopFollowing", kFile);
        for (const auto& [ticker, entry] : m_followed)
            followed.push_back(entry.asset);
        m_followed.clear();
    }
    for (const Asset& asset : followed)
    {
        if (asset.GetProvider())
            asset.GetProvider()->RemoveQuotesReceiver(this, asset);
    }
}
