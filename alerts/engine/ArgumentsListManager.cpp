#include "alerts/engine/ArgumentsListManager.h"

#include "alerts/engine/IAlertLinks.h"
#include "alerts/engine/IAlertsMediator.h"
#include "platform/base/SafeAutoLock.h"

namespace
{
constexpr const char* kFile = "ArgumentsListManager";
}

ArgumentsListManager::ArgumentsListManager(IAlertsMediator& mediator, IAlertLinks& links)
    : m_mediator(mediator)
    , m_links(links)
{
}

ArgumentsListManager::~ArgumentsListManager()
{
    for (auto& [descriptor, argument] : m_arguments)
        argument->SetRegistered(false);
}

std::shared_ptr<Argument> ArgumentsListManager::Find(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::Find", kFile);
    const auto found = m_arguments.find(descriptor);
    return found == m_arguments.end() ? nullptr : found->second;
}

std::shared_ptr<Argument> ArgumentsListManager::Register(const AlertExprArgDesc& descriptor)
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::Register", kFile);
    auto argument = std::make_shared<Argument>(descriptor);
    argument->SetRegistered(true);
    std::shared_ptr<Argument>& entry = m_arguments[descriptor];
    if (entry)
        entry->SetRegistered(false);
    entry = argument;
    return argument;
}

void ArgumentsListManager::Unregister(const AlertExprArgDesc& descriptor)
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::Unregister", kFile);
    const auto found = m_arguments.find(descriptor);
    if (found == m_arguments.end())
        return;
    found->second->SetRegistered(false);
    m_arguments.erase(found);
}

IAlertArgumentSource* ArgumentsListManager::Source(const AlertExprArgDesc& descriptor) const
{
    return m_mediator.GetAlertArgumentSource(descriptor.GetSourceModuleName());
}

bool ArgumentsListManager::IncrementArgumentInstanceCount(const AlertExprArgDesc& descriptor)
{
    std::shared_ptr<Argument> counted;
    return IncrementArgumentInstanceCount(descriptor, counted);
}

bool ArgumentsListManager::IncrementArgumentInstanceCount(const AlertExprArgDesc& descriptor,
                                                          std::shared_ptr<Argument>& counted)
{
    counted.reset();
    {
        const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::IncrementArgumentInstanceCount", kFile);
        const auto found = m_arguments.find(descriptor);
        const std::shared_ptr<Argument> argument = found == m_arguments.end() ? nullptr : found->second;
        if (argument && argument->InUse())
        {
            argument->IncrementInstanceCount();
            counted = argument;
            return true;
        }
        IAlertArgumentSource* source = Source(descriptor);
        if (source && source->AddArgumentUsage(descriptor))
        {
            if (argument)
                argument->IncrementInstanceCount();
            counted = argument;
            return true;
        }
    }
    ReleaseUnused(descriptor, "ArgumentsListManager::IncrementArgumentInstanceCount");
    return false;
}

void ArgumentsListManager::DecrementArgumentInstanceCount(const AlertExprArgDesc& descriptor)
{
    DecrementArgumentInstanceCount(descriptor, Find(descriptor));
}

void ArgumentsListManager::DecrementArgumentInstanceCount(const AlertExprArgDesc& descriptor,
                                                          const std::shared_ptr<Argument>& counted)
{
    if (!counted)
        return;
    {
        const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::DecrementArgumentInstanceCount", kFile);
        const auto found = m_arguments.find(descriptor);
        if (found == m_arguments.end() || found->second != counted || !counted->DecrementInstanceCount()
            || counted->InUse())
            return;
        if (IAlertArgumentSource* source = Source(descriptor))
            source->RemoveArgumentUsage(descriptor);
    }
    ReleaseUnused(descriptor, "ArgumentsListManager::DecrementArgumentInstanceCount");
}

void ArgumentsListManager::ReleaseUnused(const AlertExprArgDesc& descriptor, const char* function)
{
    // The list's lock first, so that nobody links the argument between the check and the
    // removal of its links.
    const SafeAutoLock listLock(m_links.LinksLock(), function, kFile);
    {
        const SafeAutoLock lock(m_argumentsLock, function, kFile);
        const auto found = m_arguments.find(descriptor);
        if (found != m_arguments.end())
        {
            if (found->second->InUse())
                return;
            found->second->SetRegistered(false);
            m_arguments.erase(found);
        }
    }
    m_links.RemoveLink(descriptor);
}

bool ArgumentsListManager::UpdateArgument(const AlertExprArgDesc& descriptor, int precision, double value)
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::UpdateArgument", kFile);
    const auto found = m_arguments.find(descriptor);
    return found != m_arguments.end() && found->second->SetValueInUse(precision, value);
}

double ArgumentsListManager::ArgumentValue(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::ArgumentValue", kFile);
    const auto found = m_arguments.find(descriptor);
    return found == m_arguments.end() ? 0.0 : found->second->GetValue();
}

bool ArgumentsListManager::ArgumentInitialised(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::ArgumentInitialised", kFile);
    const auto found = m_arguments.find(descriptor);
    return found != m_arguments.end() && found->second->Initialised();
}

int ArgumentsListManager::ArgumentPrecision(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::ArgumentPrecision", kFile);
    const auto found = m_arguments.find(descriptor);
    return found == m_arguments.end() ? 0 : found->second->GetPrecision();
}

std::uint32_t ArgumentsListManager::ArgumentInstanceCount(const AlertExprArgDesc& descriptor) const
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::ArgumentInstanceCount", kFile);
    const auto found = m_arguments.find(descriptor);
    return found == m_arguments.end() ? 0 : found->second->InstanceCount();
}

void ArgumentsListManager::Clear()
{
    const SafeAutoLock lock(m_argumentsLock, "ArgumentsListManager::Clear", kFile);
    for (auto& [descriptor, argument] : m_arguments)
    {
        argument->SetRegistered(false);
        if (!argument->InUse())
            continue;
        if (IAlertArgumentSource* source = Source(descriptor))
            source->RemoveArgumentUsage(descriptor);
    }
    m_arguments.clear();
}
