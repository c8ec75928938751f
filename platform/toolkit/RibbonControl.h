#pragma once
// One control of the ribbon model: a button, popup, split button, check box, label, edit,
// combo box or gallery under a command id, with its caption, tooltip and state. A control
// belongs to a group, a popup or the ribbon's right-aligned row; it reaches the ribbon (and
// through it the frame's command routing) once that owner is part of a ribbon.

#include "platform/toolkit/RibbonDefs.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>

class RibbonBarBase;
class RibbonPopupBar;

class RibbonControl : public QObject
{
    Q_OBJECT

public:
    RibbonControl(int type, std::uint32_t id);
    ~RibbonControl() override;

    int GetType() const { return m_type; }
    std::uint32_t GetID() const { return m_id; }
    void SetID(std::uint32_t id) { m_id = id; }
    // Popups, buttons with popup and split buttons open a popup bar.
    bool HasPopupType() const;

    // Caption, description and tooltip from the string entry of the id ("description\ncaption");
    // an entry without a line break is the caption itself.
    void LoadStrings();

    const QString& GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption);
    const QString& GetTooltip() const { return m_tooltip; }
    void SetTooltip(const QString& tooltip);
    const QString& GetDescription() const { return m_description; }
    void SetDescription(const QString& description);
    const QString& GetKeyboardTip() const { return m_keyboardTip; }
    void SetKeyboardTip(const QString& tip) { m_keyboardTip = tip; }

    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // 0 unchecked, 1 checked, 2 indeterminate.
    int GetChecked() const { return m_checked; }
    void SetChecked(int checked);
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible);
    // Starts a new column in a group, a new section in a popup.
    bool GetBeginGroup() const { return m_beginGroup; }
    void SetBeginGroup(bool begin);
    std::uint32_t GetFlags() const { return m_flags; }
    void SetFlags(std::uint32_t flags) { m_flags = flags; }
    RibbonControlStyle GetStyle() const { return m_style; }
    void SetStyle(RibbonControlStyle style);
    // Width of edits, combo boxes and galleries; 0 lets the view choose.
    int GetWidth() const { return m_width; }
    void SetWidth(int width);
    int GetHeight() const { return m_height; }
    void SetHeight(int height);

    // The popup of a popup-type control; null until one is set.
    RibbonPopupBar* GetCommandBar() const { return m_commandBar.get(); }
    RibbonPopupBar* SetCommandBar(std::unique_ptr<RibbonPopupBar> bar);

    // A popup control that shows a window of its own instead of a popup bar shows it under the
    // anchor (screen coordinates) and answers true.
    virtual bool ShowPopupWindow(const QRect& anchor) { return false; }

    RibbonBarBase* GetRibbon() const { return m_ribbon; }
    void AttachRibbon(RibbonBarBase* ribbon);

    // The user ran the control: buttons and check boxes send their command id, edits, combo
    // boxes and galleries the execute notification, to the ribbon's command routing; open
    // popups close.
    virtual void OnExecute();

protected:
    // Tells the ribbon that what it shows changed.
    void Changed();
    // Sends a notification of this control to the ribbon's command routing; true when handled.
    bool Notify(int code, std::intptr_t* result = nullptr);

private:
    int m_type;
    std::uint32_t m_id;
    QString m_caption;
    QString m_tooltip;
    QString m_description;
    QString m_keyboardTip;
    bool m_enabled = true;
    int m_checked = 0;
    bool m_visible = true;
    bool m_beginGroup = false;
    std::uint32_t m_flags = 0;
    RibbonControlStyle m_style = RibbonControlStyle::Automatic;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<RibbonPopupBar> m_commandBar;
    RibbonBarBase* m_ribbon = nullptr;
};
