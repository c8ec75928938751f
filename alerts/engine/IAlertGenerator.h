#pragma once
// Turns a side of an alert that holds into a generated alert: the log line, the history row,
// the broadcast to the module libraries and the notifications. Called on the alerts worker
// thread while the alert list is locked; it may read the alert and the argument registry but
// must not change the alert list.

class BLAlert;

class IAlertGenerator
{
public:
    virtual ~IAlertGenerator() = default;

    // side: 0 sell, 1 buy.
    virtual void GenerateAlert(const BLAlert& alert, unsigned side) = 0;
};
