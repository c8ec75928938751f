#include "app/ClassicEditionSetup.h"

#include "app/ApplicationStylesQ4Classic.h"
#include "app/MediatorSettingsQ4Classic.h"
#include "app/MessagePopupsQ4Classic.h"
#include "app/Quorvanta4ClassicFactory.h"
#include "app/SessionStatisticsQ4Classic.h"
#include "cloud/engine/CloudManager.h"
#include "modulelibs/formula/FormulaModule.h"

Quorvanta4AppSetup MakeClassicEditionSetup()
{
    Quorvanta4AppSetup setup;
    setup.mediator.factory = std::make_shared<Quorvanta4ClassicFactory>();
    setup.mediator.settings = std::make_shared<MediatorSettingsQ4Classic>(setup.mediator.factory);
    setup.mediator.makeSessionStatistics = [] { return std::make_shared<SessionStatisticsQ4Classic>(); };
    setup.mediator.makeCloudModule = [] { return CloudManager::SharedInstance(); };
    setup.mediator.formulaLanguage = GetKFLFasade();
    setup.mediator.popups = std::make_shared<MessagePopupsQ4Classic>();
    setup.styles = std::make_shared<ApplicationStylesQ4Classic>();
    return setup;
}
