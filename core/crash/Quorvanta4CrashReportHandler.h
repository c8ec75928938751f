#pragma once
// The crash handler of this edition: the install flags it passes to the crash library. Made by
// the edition factory; its library is this platform's signal reporter unless one is given.

#include "core/crash/CrashHandlerBase.h"

class Quorvanta4CrashReportHandler : public CrashHandlerBase
{
public:
    static constexpr std::uint32_t kInstallFlags = 0x955FFF;

    explicit Quorvanta4CrashReportHandler(ICrashReportingHost& host, std::shared_ptr<ICrashLibrary> library = nullptr);

    std::uint32_t GetInstallFlags() const override { return kInstallFlags; }
};
