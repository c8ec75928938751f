#pragma once
// A stand-in for a general settings group where only its identity matters: a distinct pointer
// that is compared, never used as a group.

#include <memory>

class GeneralSettingsGroupManagerBase;

inline std::shared_ptr<GeneralSettingsGroupManagerBase> MakeSettingsGroupToken()
{
    auto storage = std::make_shared<char>();
    return std::shared_ptr<GeneralSettingsGroupManagerBase>(storage,
                                                            reinterpret_cast<GeneralSettingsGroupManagerBase*>(storage.get()));
}
