#pragma once
// The window manager of the formation tabs' "Więcej opcji" popup. While one of the popup's own
// popups (the colour picker, the style name) is open, a click on it counts as a click on the
// popup, so the popup stays.

#include "charts/ui/MoreOptionsPopupBarDlgBase.h"
#include "ribbon/popups/PopupBarBase.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>
#include <QRect>

class ChartConsumer;
class MoreFormationOptionsPopupDlg;
class RibbonControlPopupEx;

class MoreFormationOptionsPopupManager : public PopupWindowManagerEx, public PopupBarBase::IPopupAreaObserver
{
public:
    MoreFormationOptionsPopupManager(QWidget* parent, RibbonControlPopupEx* control, ChartConsumer* charts,
                                     MoreOptionsPopupBarDlgBase::Options options = {});

    bool OnMouseHitTest(const QPoint& point) const override;
    void OnPopupAreaShown(const QRect& area) override { m_childArea = area; }
    void OnPopupAreaClosed() override { m_childArea = QRect(); }

    MoreFormationOptionsPopupDlg* GetOptionsDialog() const;

protected:
    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    ChartConsumer* m_charts;
    MoreOptionsPopupBarDlgBase::Options m_options;
    QPointer<MoreFormationOptionsPopupDlg> m_dialog;
    // The open child popup's area (screen coordinates); empty when it is closed.
    QRect m_childArea;
};
