#pragma once
// The orders sheet's ribbon commands: the panes' visibility, the column lock, the cursor and the
// sheet mode of the module's current sheet window, each shown checked as the window's settings
// say. With no window the commands do nothing and the chart command stays enabled. Main thread only.

#include "platform/ui/CmdTarget.h"

#include <functional>

class OrderSheetMainDlg;

class CmdTargetOrdersSheet : public CmdTarget
{
public:
    using WindowSource = std::function<OrderSheetMainDlg*()>;

    explicit CmdTargetOrdersSheet(WindowSource window);

private:
    // A pane toggle: the command flips it, the update shows its state.
    void Toggle(std::uint32_t id, void (*command)(OrderSheetMainDlg&), bool (*state)(const OrderSheetMainDlg&));

    WindowSource m_window;
};
