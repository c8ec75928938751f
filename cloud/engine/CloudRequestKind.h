#pragma once
// The kinds of request the cloud link sends to the cloud REST endpoint. The kind fixes the
// verb, the path and how the answer is handled; the numbers travel in window messages.

#include <QString>

enum CloudRequestKind : int
{
    eRequestNotSet = 0,
    eGetUser = 1,
    eGetCloudToken = 2,
    eGetUserCloudData = 3,
    eGetAlert = 4,
    eGetAllAlerts = 5,
    eGetAlertEvents = 6,
    eAddAlert = 7,
    eEditAlert = 8,
    eDeleteAlerts = 9,
    eChangeUserEmail = 10,
    eChangeTelNumber = 11,
    eGetChangeEmailError = 12,
    eGetChangeTelNumberError = 13,
    eSendTelNumberToken = 14,
    eChangeCloudAlertNotifications = 15
};

// The HTTP verb of the kind; empty for the kinds that are never sent (0, 4) and unknown numbers.
inline QString CloudRequestVerb(CloudRequestKind kind)
{
    switch (kind)
    {
    case eGetUser:
    case eGetUserCloudData:
    case eGetAllAlerts:
    case eGetAlertEvents:
    case eGetChangeEmailError:
    case eGetChangeTelNumberError:
        return QStringLiteral("GET");
    case eGetCloudToken:
    case eAddAlert:
        return QStringLiteral("POST");
    case eEditAlert:
    case eChangeUserEmail:
    case eChangeTelNumber:
    case eSendTelNumberToken:
    case eChangeCloudAlertNotifications:
        return QStringLiteral("PUT");
    case eDeleteAlerts:
        return QStringLiteral("DELETE");
    case eRequestNotSet:
    case eGetAlert:
        break;
    }
    return QString();
}
