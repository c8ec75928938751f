#include "platform/modules/ModuleWndBase.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <QApplication>

ModuleWndBase::ModuleWndBase(QWidget* parent)
    : QWidget(parent)
{
}

ModuleWndBase::~ModuleWndBase() = default;

void ModuleWndBase::ForceActivate()
{
    raise();
    if (!hasFocus() && !isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::ActiveWindowFocusReason);
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->OnModuleWndActivate(this, true, false);
}

ModuleWndBase* ModuleWndBase::Of(QWidget* widget)
{
    for (QWidget* current = widget; current != nullptr; current = current->parentWidget())
    {
        if (auto* window = qobject_cast<ModuleWndBase*>(current))
            return window;
    }
    return nullptr;
}
