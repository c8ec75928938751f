#pragma once
// The entry points through which settings encipher and decipher stored passwords: a Cipher
// on the user's key file (see Cipher for the key handling and the failure rules).

#include <QString>

#include <optional>

namespace SimpleCrypt
{
std::optional<QString> Crypt(const QString& plain, QString* errorText = nullptr);
std::optional<QString> Decrypt(const QString& text, QString* errorText = nullptr);
}
