#include "core/mediator/Quorvanta4FactoryBase.h"

#include "core/mediator/ArgumentParser.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "platform/base/AppPaths.h"

Quorvanta4FactoryBase::Quorvanta4FactoryBase()
    : m_productName(QString::fromUtf8(AppPaths::kProductName))
{
}

Quorvanta4FactoryBase::~Quorvanta4FactoryBase() = default;

Quorvanta4FactoryBase::TabsCreator Quorvanta4FactoryBase::CreatePAPTabs(RibbonsFactory&, QuorvantaRibbonBar&)
{
    return nullptr;
}

std::shared_ptr<IInProcessOrdersSheet> Quorvanta4FactoryBase::CreateOrdersSheetManager()
{
    return nullptr;
}

std::shared_ptr<ArgumentParser> Quorvanta4FactoryBase::CreateArgumentParser()
{
    return std::make_shared<ArgumentParser>();
}

std::shared_ptr<AboutDlgData> Quorvanta4FactoryBase::GetAboutDlgData()
{
    return nullptr;
}

std::shared_ptr<IUpdatesHandler> Quorvanta4FactoryBase::CreateUpdateHandler()
{
    return nullptr;
}

std::shared_ptr<CrashHandlerBase> Quorvanta4FactoryBase::CreateCrashReportHandler()
{
    return nullptr;
}

std::shared_ptr<DataVersionUpdater> Quorvanta4FactoryBase::CreateDataVersionUpdater()
{
    return nullptr;
}
