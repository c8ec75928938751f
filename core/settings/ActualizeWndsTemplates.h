#pragma once
// The data-version step that repairs the module libraries' default window templates: a
// current template that does not load, or names no template object, is replaced by its
// factory copy. A template the user has not got is not created, and a replaced template is
// first kept as a copy beside it, since a failed load may have been passing.

#include "core/settings/IDataUpdateForVersionBase.h"

#include <array>

class ActualizeWndsTemplates : public IDataUpdateForVersionBase
{
public:
    // The order in which the modules' templates are examined.
    static constexpr std::array<int, 7> kRepairOrder{1, 6, 5, 4, 7, 8, 2};

    void Update() override;

    // Repairs one module's template; false when a broken template could not be replaced.
    static bool RepairModuleTemplate(int moduleId);
};
