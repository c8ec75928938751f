#pragma once
// The popup-window manager of the files generator's history-range popup: it makes the dialog
// when none is kept or the kept one lost its window, hands what it keeps to the library (which
// tells the dialog when fetching starts or ends), and fills the dialog before every showing.

#include "ribbon/popups/PopupWindowManagerEx.h"

class AppFilesGeneratorConsumer;
class RibbonControlPopupEx;
class RibbonHistoryRangeDlg;

class FilesGenHistoryRangeManager : public PopupWindowManagerEx
{
public:
    FilesGenHistoryRangeManager(QWidget* parent, RibbonControlPopupEx* control, AppFilesGeneratorConsumer* consumer);

    // Null until the popup first opened, or after its window went.
    RibbonHistoryRangeDlg* GetDialog() const;

protected:
    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    AppFilesGeneratorConsumer* m_consumer;
};
