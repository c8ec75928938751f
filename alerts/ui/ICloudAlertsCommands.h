#pragma once
// The cloud alert manager as the alerts commands reach it: the cloud alert behind a row of the
// defined-alerts grid, and what the ribbon's alerts tab does to the selected cloud alert. The
// cloud alert manager implements it; without one every selection is a local alert. Main thread.

#include <QString>

#include <cstdint>
#include <optional>

class ICloudAlertsCommands
{
public:
    // The notification bits of a cloud alert.
    static constexpr std::uint8_t kPush = 0x02;
    static constexpr std::uint8_t kMail = 0x04;
    static constexpr std::uint8_t kSms = 0x10;
    static constexpr std::uint8_t kSound = 0x20;
    static constexpr std::uint8_t kWindow = 0x40;
    // The options SetSelectedAlertOption takes.
    enum Option
    {
        OptionPush = 0,
        OptionMail = 1,
        OptionSms = 2,
        OptionSound = 3,
        OptionWindow = 4,
        OptionOnce = 5,
    };

    struct CloudAlertState
    {
        QString name;
        std::uint8_t notifications = 0;
        bool once = false;
        // Its status lets it change and its instrument is known.
        bool editable = false;
    };

    virtual ~ICloudAlertsCommands() = default;

    // The cloud alert of that id; none when no cloud alert has it.
    virtual std::optional<CloudAlertState> CheckIfAlertExist(std::uint32_t alertId) const = 0;
    virtual void SetSelectedAlertOption(int option, bool on) = 0;
    // False when the name is refused (the manager tells the user why).
    virtual bool RenameSelectedAlert(const QString& name) = 0;
    virtual QString GetSelectedAlertName() const = 0;
    // Marks the selected cloud alert for deletion and queues its deletion.
    virtual void DeleteSelectedAlert() = 0;
    // Asks the user first; false on no, else every cloud alert is queued for deletion.
    virtual bool RemoveAllAlerts() = 0;
    virtual int GetCloudAlertsCount() const = 0;
    virtual void ShowDefinitionDlg() = 0;
};
