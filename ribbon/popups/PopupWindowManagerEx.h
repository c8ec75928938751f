#pragma once
// A popup-window manager whose window is painted with the popup gradient, like the dialogs
// it hosts.

#include "ribbon/popups/PopupWindowManager.h"

class PopupWindowManagerEx : public PopupWindowManager
{
public:
    using PopupWindowManager::PopupWindowManager;

    bool DrawBackground(QPainter& painter, const QRect& rect) override;
};
