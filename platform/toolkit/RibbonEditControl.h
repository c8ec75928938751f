#pragma once
// An edit box on the ribbon: its text, and whether it has the keyboard focus (update passes
// leave a text alone while the user types in it). Committing the text (Enter, leaving the
// box) runs the control, which sends the execute notification.

#include "platform/toolkit/RibbonControl.h"

class RibbonEditControl : public RibbonControl
{
    Q_OBJECT

public:
    explicit RibbonEditControl(std::uint32_t id);

    const QString& GetEditText() const { return m_editText; }
    void SetEditText(const QString& text);
    bool HasFocus() const { return m_hasFocus; }
    void SetFocused(bool focused) { m_hasFocus = focused; }

    // The view's editor reports the text the user entered.
    void CommitText(const QString& text);

private:
    QString m_editText;
    bool m_hasFocus = false;
};
