#include "core/crash/Quorvanta4CrashReportHandler.h"

#include "core/crash/SignalCrashLibrary.h"

#include <utility>

Quorvanta4CrashReportHandler::Quorvanta4CrashReportHandler(ICrashReportingHost& host, std::shared_ptr<ICrashLibrary> library)
    : CrashHandlerBase(host, library ? std::move(library) : std::make_shared<SignalCrashLibrary>())
{
}
