#pragma once
// The transaction-list library's consumer. Its windows come with the transaction-list command
// target; until then none is open.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/TransListCons.h"

class TransListModuleConsumer : public ModuleConsumer<TransListCons>
{
public:
    TransListModuleConsumer();

    bool ShowNewTransList(QWidget* view, const Asset* asset, int flags) override;
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
};
