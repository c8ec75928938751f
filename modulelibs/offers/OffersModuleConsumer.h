#pragma once
// The offers library's consumer. Its windows come with the offers command target; until then
// none is open.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/OffersConsumer.h"

class OffersModuleConsumer : public ModuleConsumer<OffersConsumer>
{
public:
    OffersModuleConsumer();

    bool ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags) override;
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
};
