#pragma once
// The update-UI request of a command shown as a QAction (menu item, tool button): what the
// handler sets is applied to the action at once.

#include "platform/ui/CmdUI.h"

#include <QAction>

class ActionCmdUI : public CmdUI
{
public:
    ActionCmdUI(std::uint32_t id, QAction* action);

    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const QString& text) override;

private:
    QAction* m_action;
};
