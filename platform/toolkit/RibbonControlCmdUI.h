#pragma once
// The update-UI request of a ribbon control: what the handler sets is applied to the control
// at once. Handlers that need more (showing or hiding the control, a gallery's checked item)
// reach the control through Control().

#include "platform/ui/CmdUI.h"

class RibbonControl;

class RibbonControlCmdUI : public CmdUI
{
public:
    explicit RibbonControlCmdUI(RibbonControl& control);

    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const QString& text) override;

private:
    RibbonControl& m_control;
};
