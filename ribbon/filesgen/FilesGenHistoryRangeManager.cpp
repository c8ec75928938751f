#include "ribbon/filesgen/FilesGenHistoryRangeManager.h"

#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "ribbon/filesgen/RibbonHistoryRangeDlg.h"

FilesGenHistoryRangeManager::FilesGenHistoryRangeManager(QWidget* parent, RibbonControlPopupEx* control,
                                                         AppFilesGeneratorConsumer* consumer)
    : PopupWindowManagerEx(parent)
    , m_control(control)
    , m_consumer(consumer)
{
}

RibbonHistoryRangeDlg* FilesGenHistoryRangeManager::GetDialog() const
{
    return qobject_cast<RibbonHistoryRangeDlg*>(PopupWindowManagerEx::GetDialog());
}

QWidget* FilesGenHistoryRangeManager::CreatePopupWindow(QWidget* host)
{
    auto* dialog = new RibbonHistoryRangeDlg(m_consumer, m_control, host);
    if (m_consumer)
        m_consumer->SetHistoryDlgPtr(dialog);
    return dialog;
}

void FilesGenHistoryRangeManager::UpdatePopupWindow()
{
    // The window's range may have changed since the last showing (another window, a file).
    if (RibbonHistoryRangeDlg* dialog = GetDialog())
        dialog->Initialise();
}
