#pragma once
// The levels popup of the tools whose levels are only switched on or off (the Fibonacci time
// zones and the Gann fan): a fixed column of labelled check boxes, OK and Cancel; Enter is OK.
// A box whose level does not exist is disabled.

#include "ribbon/popups/BasePopupBarDlg.h"

#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QPushButton;
class RibbonControlPopupEx;

class FormationLevelChecksDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    struct Check
    {
        std::uint32_t id;
        QString label;
    };

    FormationLevelChecksDlg(RibbonControlPopupEx* control, const std::vector<Check>& checks, QWidget* parent);

    // One state a box in order; a missing one (or nothing) leaves the box unchecked and disabled.
    void SetStates(const std::vector<std::optional<bool>>& states);
    bool IsChecked(std::size_t index) const;
    QCheckBox* Box(std::size_t index) const { return index < m_boxes.size() ? m_boxes[index] : nullptr; }
    // The box with the control id; null when there is none.
    QCheckBox* BoxById(std::uint32_t id) const;
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close(bool apply);

    RibbonControlPopupEx* m_control;
    std::vector<QCheckBox*> m_boxes;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
