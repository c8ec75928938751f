#pragma once
// A ribbon popup control whose popup is a small dialog of a popup-window manager (the chart's
// interval and value-range popups) rather than a popup bar. The dialog ends the popup through
// ClosePopupBar: with apply, the control sends its execute notification to the ribbon's command
// routing, so the window's command target reads what the user entered.

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"

#include <memory>

class PopupWindowManager;

class RibbonControlPopupEx : public RibbonControl
{
    Q_OBJECT

public:
    // type: a popup, a button with popup or a split button whose button runs the command.
    explicit RibbonControlPopupEx(std::uint32_t id, int type = RibbonControlPopup);
    ~RibbonControlPopupEx() override;

    // The control owns the manager.
    void SetPopupWindowManager(std::unique_ptr<PopupWindowManager> manager);
    PopupWindowManager* GetPopupWindowManager() const { return m_manager.get(); }

    bool ShowPopupWindow(const QRect& anchor) override;
    // Closes the popup; with apply the execute notification goes out. True when it was handled.
    bool ClosePopupBar(bool apply);
    // Closes the popup and sends the notification of a popup that reports its own result (a
    // picked date); true when it was handled.
    bool ClosePopupWithNotify(int code);

private:
    std::unique_ptr<PopupWindowManager> m_manager;
};
