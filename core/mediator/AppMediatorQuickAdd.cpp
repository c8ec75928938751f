#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/QuickAddInstrumentDlg.h"

#include <QCursor>

void AppMediator::UpdateQuickAddProvidersAssetsList(ProviderBase* provider)
{
    // A provider's thread must not make the window: a popup not made yet reads the lists anew.
    QuickAddInstrumentDlg* popup = IsMainThread() ? &QuickAddInstrumentDlg::GetInstance() : QuickAddInstrumentDlg::Existing();
    if (popup)
        popup->UpdateProvidersAssetsList(provider);
    PostMessageToPulpitFrame(WM_APP_QUICK_ADD_LIST_CHANGED, 0, 0);
}

void AppMediator::ShowQuickAddInstrumentDlg(const QPoint& point, bool pointIsTop, QWidget* receiverWindow)
{
    QuickAddInstrumentDlg& popup = QuickAddInstrumentDlg::GetInstance();
    if (!receiverWindow)
        return;
    popup.RecordReceiverWindow(receiverWindow);
    popup.ShowAt(point, pointIsTop, {}, receiverWindow);
}

void AppMediator::ShowQuickAddInstrumentDlgAtCursor(const QuickAddAssetReceiver& receiver, QWidget* window)
{
    QuickAddInstrumentDlg::GetInstance().ShowAt(QCursor::pos(), false, receiver, window);
}

Asset AppMediator::GetQuickAddChosenAsset()
{
    return QuickAddInstrumentDlg::GetInstance().GetChosenAsset();
}
