#pragma once
// The header above a run of shown contextual tabs that share a colour and a context caption.

#include <QString>

class RibbonTabBase;

struct RibbonContextHeader
{
    int color = 0;
    QString caption;
    RibbonTabBase* firstTab = nullptr;
    RibbonTabBase* lastTab = nullptr;
};
