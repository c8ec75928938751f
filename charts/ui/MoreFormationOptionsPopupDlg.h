#pragma once
// The "Więcej opcji" popup of the formation tabs: the line style, width and colour of the active
// formation's base line and extension, the size of its texts, and its text, fill and name-label
// colours. Every change is applied to
// the active formation at once (kept with it, drawn at the next repaint); a colour is previewed
// while the mouse is over it in the colour picker. "Przywróć" gives the formation its style's
// values again; "Utwórz styl" makes them a new formation style that the formation then takes.

#include "charts/ui/MoreOptionsPopupBarDlgBase.h"
#include "ribbon/popups/ColorPickerPopupWindow.h"

#include <QPointer>

#include <cstdint>

class ActiveObjectsContainer;
class ChartConsumer;
class QComboBox;
class QGridLayout;
class QToolButton;

class MoreFormationOptionsPopupDlg : public MoreOptionsPopupBarDlgBase, public ColorPickerPopupWindow::IPickedColorObserver
{
    Q_OBJECT

public:
    MoreFormationOptionsPopupDlg(RibbonControlPopupEx* control, ChartConsumer* charts,
                                 PopupBarBase::IPopupAreaObserver& areaObserver, Options options, QWidget* parent);

    // Every control shows the active formation's value; with no active formation they are disabled.
    void FillValues() override;
    // A new formation style of the name with the active formation's style and the values set on
    // the formation, which then takes that style; false, and the user told, when none was made.
    bool CreateStyle(const QString& name) override;
    // The open colour picker; null when none is open.
    ColorPickerPopupWindow* Picker() const { return m_picker; }

    void OnColorPicked() override;
    void OnColorHot(int color) override;
    void OnHotColorCleared() override;

private:
    ActiveObjectsContainer* Active() const;
    QComboBox* AddCombo(std::uint32_t id, int parameter, bool widths);
    QToolButton* AddColorButton(std::uint32_t id, int parameter, const QString& caption);
    QToolButton* AddFontButton(std::uint32_t id, int command);
    // A bold caption with a line beside it, across the popup.
    void AddSection(QGridLayout& layout, int& row, const QString& caption);
    // Applies the value to the active formation and repaints it.
    void Apply(int parameter, int value);
    void ChangeFont(int command);
    void OpenPicker(QToolButton* button, int parameter);
    void RestoreValues() override;
    void SetToolTips() override;

    ChartConsumer* m_charts;
    QPointer<ColorPickerPopupWindow> m_picker;
    // The parameter the open picker edits; -1 when none.
    int m_pickedParameter = -1;
};
