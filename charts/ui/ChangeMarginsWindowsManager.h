#pragma once
// The margins popup of the chart's main tab: the empty space kept above and below the values
// and right of the newest bar, in percent of the view. It makes its dialog on first use and
// fills it from the active chart before each showing; after an apply the chart command target
// takes the entered margins.

#include "platform/modules/ChartMargins.h"
#include "charts/ui/ChartValuesPopupDlg.h"
#include "ribbon/popups/PopupWindowManagerEx.h"

#include <QPointer>
#include <QSpinBox>

#include <memory>

class RibbonControlPopupEx;

class ChangeMarginsWindowsManager : public PopupWindowManagerEx
{
public:
    static constexpr int kMaxMargin = 45;

    ChangeMarginsWindowsManager(QWidget* parent, RibbonControlPopupEx* control);

    // Empty while the dialog does not exist.
    std::shared_ptr<ChartMargins> GetMargins() const;
    ChartValuesPopupDlg* GetMarginsDialog() const { return m_dialog; }
    QSpinBox* TopEdit() const { return m_top; }
    QSpinBox* BottomEdit() const { return m_bottom; }
    QSpinBox* RightEdit() const { return m_right; }

    QWidget* CreatePopupWindow(QWidget* host) override;
    void UpdatePopupWindow() override;

private:
    RibbonControlPopupEx* m_control;
    QPointer<ChartValuesPopupDlg> m_dialog;
    QPointer<QSpinBox> m_top;
    QPointer<QSpinBox> m_bottom;
    QPointer<QSpinBox> m_right;
};
