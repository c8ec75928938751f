#include "modulelibs/formula/FormulaModule.h"

#include "modulelibs/formula/FormulaLanguageFacade.h"

KFLFasade* GetKFLFasade()
{
    static FormulaLanguageFacade facade;
    return &facade;
}
