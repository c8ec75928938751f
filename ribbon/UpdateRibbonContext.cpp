#include "ribbon/UpdateRibbonContext.h"

UpdateRibbonContext::UpdateRibbonContext(IGenericModule* module)
    : m_module(module)
{
}

UpdateRibbonContext UpdateRibbonContext::JustChangeTabSelection(IGenericModule* module, ERibbonTabLevel level)
{
    UpdateRibbonContext context(module);
    context.m_justChangeTabSelection = true;
    context.m_levelOfTabToSelect = level;
    return context;
}
