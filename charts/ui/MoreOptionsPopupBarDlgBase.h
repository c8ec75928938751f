#pragma once
// The base of the "Więcej opcji" popups: the footer with "Przywróć" (the style's values again),
// "Utwórz styl" (the values shown saved as a new named style; extended mode only) and
// "Zamknij", the style-name popup under "Utwórz styl", and each control's rich-text tooltip from
// the string table. A derived popup lays out its own controls, then the footer, then calls Start.

#include "ribbon/popups/BasePopupBarDlg.h"
#include "ribbon/popups/PopupBarBase.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class QGridLayout;
class QPushButton;
class RibbonControlPopupEx;
class SaveDisplayStyleToStylePopupDlg;

class MoreOptionsPopupBarDlgBase : public BasePopupBarDlg
{
    Q_OBJECT

public:
    struct Options
    {
        // "Utwórz styl" is offered only in the program's extended mode.
        bool extended = false;
        // Writes the application's styles; false when they could not be written.
        std::function<bool()> saveStyles;
    };

    static constexpr std::uint32_t kRestoreId = 10;
    static constexpr std::uint32_t kCreateStyleId = 1286;
    static constexpr std::uint32_t kCloseId = 1284;

    MoreOptionsPopupBarDlgBase(RibbonControlPopupEx* control, PopupBarBase::IPopupAreaObserver& areaObserver,
                               Options options, QWidget* parent);

    // Saves the values shown as a new style of the name; false when it could not be made.
    virtual bool CreateStyle(const QString& name) = 0;
    // Every control shows the current value.
    virtual void FillValues() = 0;

    // The control with the id; null when there is none.
    QWidget* ControlById(std::uint32_t id) const;
    // The open style-name popup; null when none is open.
    SaveDisplayStyleToStylePopupDlg* StyleNamePopup() const;

protected:
    static constexpr char kControlId[] = "controlId";

    // The footer line and its buttons in the layout's row, across the columns.
    void AddFooter(QGridLayout& layout, int row, int columns);
    // After the derived popup is built: tooltips, and "Utwórz styl" only in extended mode.
    void Start();
    // Gives every control its tooltip (SetToolTip).
    virtual void SetToolTips();
    // Gives the values of the style back.
    virtual void RestoreValues() {}
    // The control's tooltip: the string's caption in bold over its description.
    void SetToolTip(std::uint32_t controlId, std::uint32_t stringId);
    // Closes the popup bar that holds this popup.
    void ClosePopupBar();
    bool SaveStyles() const;
    PopupBarBase::IPopupAreaObserver& AreaObserver() const { return m_areaObserver; }
    // "Przywróć" and "Utwórz styl" need something to work on.
    void EnableFooter(bool enable);

private:
    void OpenStyleNamePopup();

    RibbonControlPopupEx* m_control;
    PopupBarBase::IPopupAreaObserver& m_areaObserver;
    Options m_options;
    QPointer<SaveDisplayStyleToStylePopupDlg> m_styleName;
    QPushButton* m_restore;
    QPushButton* m_createStyle;
    QPushButton* m_close;
};
