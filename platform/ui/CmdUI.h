#pragma once
// What an update-UI handler changes on the control that stands for a command: enabled,
// checked and text. This base records each change; a subclass also applies it to its control.

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

class CmdUI
{
public:
    explicit CmdUI(std::uint32_t id, QObject* control = nullptr);
    virtual ~CmdUI() = default;

    std::uint32_t Id() const { return m_id; }
    // The control the command stands on (ribbon control, action, ...) or null.
    QObject* Control() const { return m_control; }

    virtual void Enable(bool on = true);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int check = 1);
    virtual void SetText(const QString& text);

    // What the handlers set during this request; empty when nobody touched it.
    std::optional<bool> Enabled() const { return m_enabled; }
    std::optional<int> Checked() const { return m_checked; }
    std::optional<QString> Text() const { return m_text; }

private:
    std::uint32_t m_id;
    QObject* m_control;
    std::optional<bool> m_enabled;
    std::optional<int> m_checked;
    std::optional<QString> m_text;
};
