#pragma once
// The local alerts module as its settings group sees it: after the user saved the group,
// the module sets its mail sender up again from the new values.

class IAlertsGeneralSettingsOwner
{
public:
    virtual ~IAlertsGeneralSettingsOwner() = default;

    virtual void SetupMailSender() = 0;
};
