#include "platform/modules/PluginBase.h"

#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"

#include <atomic>
#include <thread>

namespace
{
// Set and cleared on the main thread at start and end, read by plug-in threads meanwhile.
std::atomic<IAppMediator*> g_mediator = nullptr;
}

void PluginBase::Init(IAppMediator* mediator)
{
    g_mediator.store(mediator);
}

IAppMediator* PluginBase::GetAppMediator()
{
    return g_mediator.load();
}

void PluginBase::NullifyAppMediator()
{
    g_mediator.store(nullptr);
}

int PluginBase::ShowMessage(const QString& caption, const QString& text, unsigned flags)
{
    IAppMediator* mediator = GetAppMediator();
    return mediator ? mediator->ShowMessageBox(caption, text, flags) : -1;
}

void PluginBase::ShowInfo(const QString& caption, const QString& text)
{
    if (IAppMediator* mediator = GetAppMediator())
        mediator->ShowInfo(caption, text);
}

void PluginBase::LogInfo(const QString& text, const QString& module, const QString& where, int line)
{
    if (IAppMediator* mediator = GetAppMediator())
        mediator->WriteInfo(module, where, line, text);
    else
        Log::WriteInfo(text, module, where, line);
}

bool PluginBase::CheckMainThreadCondition()
{
    IAppMediator* mediator = GetAppMediator();
    return !mediator || mediator->GetMainThreadId() == std::this_thread::get_id();
}
