#pragma once
// The options a new cloud alert starts with in the alert definition: the notification channels
// and whether it fires only once. Fixed for the run.

class CloudAlertsGeneralSettingsBase
{
public:
    virtual ~CloudAlertsGeneralSettingsBase() = default;

    bool IsMail() const { return m_mail; }
    bool IsSms() const { return m_sms; }
    bool IsWindow() const { return m_window; }
    bool IsSound() const { return m_sound; }
    bool IsPush() const { return m_push; }
    bool IsOnce() const { return m_once; }

private:
    bool m_mail = false;
    bool m_sms = false;
    bool m_window = true;
    bool m_sound = false;
    bool m_push = false;
    bool m_once = true;
};
