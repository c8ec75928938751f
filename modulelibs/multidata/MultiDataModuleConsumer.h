#pragma once
// The multi-data library's consumer. Its windows come with their command target; until then
// none is open.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/MultiDataConsumer.h"

class MultiDataModuleConsumer : public ModuleConsumer<MultiDataConsumer>
{
public:
    MultiDataModuleConsumer();

    bool ShowNewMultiDataWindow(QWidget* view) override;
};
