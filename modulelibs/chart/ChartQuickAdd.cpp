#include "modulelibs/chart/ChartQuickAdd.h"

#include "modulelibs/chart/ChartWindow.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <QKeyEvent>
#include <QPointer>

bool ChartQuickAdd::OpenOnTyping(ChartWindow& chart, const QKeyEvent& event)
{
    const QString text = event.text();
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (!mediator || text.size() != 1 || !text.front().isLetterOrNumber()
        || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    QPointer<ChartWindow> guard(&chart);
    mediator->ShowQuickAddInstrumentDlgAtCursor(
        [guard](QWidget*, const Asset& asset) {
            if (guard)
                guard->ShowAsset(asset);
        },
        &chart);
    return true;
}
