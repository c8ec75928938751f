#pragma once
// The registry of the alert arguments that alerts use: one Argument per descriptor with the
// latest delivered value and a count of its users. The first user makes the source module
// start serving the argument, the last one to go makes it stop, and the argument's links in
// the alert list go with it.
//
// Lock order: the alert list's lock (IAlertLinks::LinksLock) may be held when the registry
// lock "ArgumentsListManager::argumentsLock" is taken, never the other way round; an
// Argument's own lock comes last. The sources are asked while the registry lock is held.

#include "alerts/engine/Argument.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <cstdint>
#include <unordered_map>
#include <memory>

class IAlertArgumentSource;
class IAlertLinks;
class IAlertsMediator;

class ArgumentsListManager
{
public:
    ArgumentsListManager(IAlertsMediator& mediator, IAlertLinks& links);
    virtual ~ArgumentsListManager();
    ArgumentsListManager(const ArgumentsListManager&) = delete;
    ArgumentsListManager& operator=(const ArgumentsListManager&) = delete;

    std::shared_ptr<Argument> Find(const AlertExprArgDesc& descriptor) const;
    // A new entry for the descriptor, replacing any.
    std::shared_ptr<Argument> Register(const AlertExprArgDesc& descriptor);
    void Unregister(const AlertExprArgDesc& descriptor);

    // One more user. The source is asked when the argument is not in use; a refusal removes
    // the argument and its links and gives false. An argument the source accepts but that is
    // not registered gets no count.
    bool IncrementArgumentInstanceCount(const AlertExprArgDesc& descriptor);
    // The same, giving the entry that holds the new use (empty when nothing was counted).
    bool IncrementArgumentInstanceCount(const AlertExprArgDesc& descriptor, std::shared_ptr<Argument>& counted);
    // One user less; nothing for an argument that is not registered or not in use. The last
    // user makes the source stop serving it, and the argument and its links go.
    void DecrementArgumentInstanceCount(const AlertExprArgDesc& descriptor);
    // Gives back a use taken on the entry counted, and only while that entry is registered: a
    // use taken before the registry was emptied must not take one from the entry made since.
    void DecrementArgumentInstanceCount(const AlertExprArgDesc& descriptor, const std::shared_ptr<Argument>& counted);

    // Stores a delivered value; false (nothing stored) when the argument is not in use.
    bool UpdateArgument(const AlertExprArgDesc& descriptor, int precision, double value);
    // 0.0 / false / 0 for an argument that is not registered.
    double ArgumentValue(const AlertExprArgDesc& descriptor) const;
    bool ArgumentInitialised(const AlertExprArgDesc& descriptor) const;
    int ArgumentPrecision(const AlertExprArgDesc& descriptor) const;
    std::uint32_t ArgumentInstanceCount(const AlertExprArgDesc& descriptor) const;

    // Empties the registry; the sources stop serving what was in use.
    void Clear();

private:
    IAlertArgumentSource* Source(const AlertExprArgDesc& descriptor) const;
    // Unregisters the argument and removes its links, unless a user came back meanwhile.
    void ReleaseUnused(const AlertExprArgDesc& descriptor, const char* function);

    IAlertsMediator& m_mediator;
    IAlertLinks& m_links;
    // Hashed: every delivered value looks its argument up.
    std::unordered_map<AlertExprArgDesc, std::shared_ptr<Argument>, AlertExprArgDescHash> m_arguments;
    mutable SafeCriticalSection m_argumentsLock{QStringLiteral("ArgumentsListManager::argumentsLock")};
};
