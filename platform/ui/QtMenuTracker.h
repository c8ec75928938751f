#pragma once
// Shows a popup menu with QMenu::exec.

#include "platform/ui/IMenuTracker.h"

class QtMenuTracker : public IMenuTracker
{
public:
    QAction* Exec(QMenu& menu, const QPoint& screenPos) override;
};
