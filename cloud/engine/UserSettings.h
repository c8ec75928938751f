#pragma once
// The login and password of the user's account, as the default data provider signs in with
// them; the cloud link uses them as its HTTP credentials. Kept in memory only.

#include <QString>

struct UserSettings
{
    QString login;
    QString password;
};
