#pragma once
// The bottom band of the cloud alert definition dialog: the alert's name, the side to start
// from, the notification channels and the once-only option.

#include "cloud/ui/CloudAlertDefSubDlgBase.h"

#include <cstdint>
#include <memory>

class CloudAlertData;
class CloudAlertsGeneralSettingsBase;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CloudAlertPropSubDlg : public CloudAlertDefSubDlgBase
{
    Q_OBJECT

public:
    explicit CloudAlertPropSubDlg(CloudAlertDefinitionDlg& owner);

    // With none, the options a new alert starts with and the name kept for a new alert.
    void Load(const std::shared_ptr<const CloudAlertData>& alert, const CloudAlertsGeneralSettingsBase& defaults,
              const QString& newAlertName);
    QString GetName() const;
    // 0 "Kupno", 1 "Sprzedaż", 2 "Obie", -1 none.
    int GetStartSide() const;
    std::uint8_t GetNotifications() const;
    bool IsOnce() const;
    // The start side may be chosen only for both sides without the once-only option.
    void SetBothSidesInUse(bool bothInUse);
    bool IsExpanded() const { return m_expanded; }

    QLineEdit* NameEdit() const { return m_name; }
    QComboBox* StartSideCombo() const { return m_startSide; }
    QCheckBox* SoundBox() const { return m_sound; }
    QCheckBox* WindowBox() const { return m_window; }
    QCheckBox* MailBox() const { return m_mail; }
    QCheckBox* SmsBox() const { return m_sms; }
    QCheckBox* PushBox() const { return m_push; }
    QCheckBox* OnceBox() const { return m_once; }

private:
    bool m_expanded = true;
    bool m_bothInUse = false;
    QLineEdit* m_name;
    QComboBox* m_startSide;
    QCheckBox* m_sound;
    QCheckBox* m_window;
    QCheckBox* m_mail;
    QCheckBox* m_sms;
    QCheckBox* m_push;
    QCheckBox* m_once;
};
