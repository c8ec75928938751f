#pragma once
// The properties of a local alert: how often it fires, whether its sides wait for fresh values
// of all their arguments, how it is announced, its name and the side that fired last.

#include "alerts/engine/AlertPropsDefaults.h"

#include <QString>

#include <cstdint>

class Settings;

class AlertProps
{
public:
    // LastGenerated: 0 sell, 1 buy, kNoneGenerated before the first alert.
    static constexpr std::uint32_t kNoneGenerated = 2;

    AlertProps() = default;
    explicit AlertProps(const AlertPropsDefaults& defaults);
    AlertProps(const AlertProps&) = default;
    AlertProps& operator=(const AlertProps&) = default;

    bool OnlyOnce() const { return m_onlyOnce; }
    void SetOnlyOnce(bool onlyOnce) { m_onlyOnce = onlyOnce; }
    bool Synchronious() const { return m_synchronious; }
    void SetSynchronious(bool synchronious) { m_synchronious = synchronious; }
    bool Sound() const { return m_sound; }
    void SetSound(bool sound) { m_sound = sound; }
    bool Mail() const { return m_mail; }
    void SetMail(bool mail) { m_mail = mail; }
    bool Window() const { return m_window; }
    void SetWindow(bool window) { m_window = window; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    std::uint32_t LastGenerated() const { return m_lastGenerated; }
    void SetLastGenerated(std::uint32_t side) { m_lastGenerated = side; }

    // "OnlcyOnce", "Synchronious", "Sound", "Mail", "Window", "Name", "LastGenerated"; faults
    // are logged and leave the member as it was.
    void Serialize(Settings& node) const;
    void Unserialize(const Settings& node);

private:
    // What an alert's test reads first, the name last.
    bool m_onlyOnce = false;
    bool m_synchronious = false;
    bool m_sound = false;
    bool m_mail = false;
    bool m_window = false;
    std::uint32_t m_lastGenerated = kNoneGenerated;
    QString m_name;
};
