#pragma once
// What an update-UI handler changes on the control that stands for a command: enabled,
// checked and text. This base records each change; a subclass also applies it to its control.
// DoUpdate is the framework's update of one control, as the ribbon and menus run it.

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

class CmdTarget;

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

    // Offers the request along the target's route. When no update handler set the enabled
    // state and disableIfNoHandler is on, the control is enabled exactly when some target
    // would run the command, so a command nobody handles never looks clickable. Ids 0 and
    // those whose low word is 0xFFFF are no commands and are left alone. True when an update
    // handler took the request.
    bool DoUpdate(CmdTarget& target, bool disableIfNoHandler);

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
