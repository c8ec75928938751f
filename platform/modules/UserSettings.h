#pragma once
// The login and password of the user's account, as the default data provider signs in with
// them; the cloud link uses them as its HTTP credentials. The application asks the default
// provider for them by passing the address of a record to ProviderBase::TakeForwardedValue2,
// on the main thread; the provider fills it. Kept in memory only.

#include <QString>

struct UserSettings
{
    QString login;
    QString password;
};
