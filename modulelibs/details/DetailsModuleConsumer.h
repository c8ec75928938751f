#pragma once
// The details library's consumer. Its windows come with the details command target; until then
// none is open.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/DetailsCons.h"

class DetailsModuleConsumer : public ModuleConsumer<DetailsCons>
{
public:
    DetailsModuleConsumer();

    bool ShowDetailsDlg(QWidget* view, const Asset* asset, int flags) override;
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
};
