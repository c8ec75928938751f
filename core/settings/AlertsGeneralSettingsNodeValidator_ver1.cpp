#include "core/settings/AlertsGeneralSettingsNodeValidator_ver1.h"

#include "core/settings/AlertsGeneralSettingsKeys.h"
#include "platform/settings/Settings.h"

#include <cstdint>

bool AlertsGeneralSettingsNodeValidator_ver1::Validate(Settings& node) const
{
    if (node.Version() != 0)
        return false;
    Settings& windowTime = node[AlertsGeneralSettingsKeys::kWindowTime];
    // Integer division truncates toward zero, as the old files expect: -1500 ms gives -1.
    windowTime = static_cast<std::int32_t>(windowTime.ToInt() / 1000);
    node.Version(FinalStateVersion());
    return true;
}
