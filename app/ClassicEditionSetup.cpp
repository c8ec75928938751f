#include "app/ClassicEditionSetup.h"

#include "app/Quorvanta4ClassicFactory.h"
#include "modulelibs/formula/FormulaModule.h"

Quorvanta4AppSetup MakeClassicEditionSetup()
{
    Quorvanta4AppSetup setup;
    setup.mediator.factory = std::make_shared<Quorvanta4ClassicFactory>();
    setup.mediator.formulaLanguage = GetKFLFasade();
    return setup;
}
