#pragma once
// A ribbon popup control whose popup is a small dialog of a popup-window manager (the chart's
// interval and value-range popups) rather than a popup bar. The dialog ends the popup through
// ClosePopupBar: with apply, the control sends its execute notification to the ribbon's command
// routing, so the window's command target reads what the user entered.

#include "platform/toolkit/RibbonControl.h"

#include <memory>

class PopupWindowManager;

class RibbonControlPopupEx : public RibbonControl
{
    Q_OBJECT

public:
    explicit RibbonControlPopupEx(std::uint32_t id);
    ~RibbonControlPopupEx() override;

    // The control owns the manager.
    void SetPopupWindowManager(std::unique_ptr<PopupWindowManager> manager);
    PopupWindowManager* GetPopupWindowManager() const { return m_manager.get(); }

    bool ShowPopupWindow(const QRect& anchor) override;
    // Closes the popup; with apply the execute notification goes out. True when it was handled.
    bool ClosePopupBar(bool apply);

private:
    std::unique_ptr<PopupWindowManager> m_manager;
};
