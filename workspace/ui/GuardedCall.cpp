#include "workspace/ui/GuardedCall.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QString>

#include <exception>

namespace GuardedCall
{
bool Run(const QString& place, const std::function<void()>& step)
{
    const QString module = QString::fromUtf8(AppPaths::kProductName);
    try
    {
        step();
        return true;
    }
    catch (const char* text)
    {
        Log::WriteError(QString::fromLocal8Bit(text), module, place, __LINE__);
    }
    catch (const QString& text)
    {
        Log::WriteError(text, module, place, __LINE__);
    }
    catch (const std::exception& error)
    {
        Log::WriteErrorEx(error, module, place, __LINE__);
    }
    catch (...)
    {
        Log::WriteError(QString::fromUtf8(kUnknownException), module, place, __LINE__);
    }
    return false;
}
}
