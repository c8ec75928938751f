#include "platform/base/SimpleCrypt.h"

#include "platform/base/Cipher.h"

namespace SimpleCrypt
{
std::optional<QString> Crypt(const QString& plain, QString* errorText)
{
    return Cipher().Encrypt(plain, errorText);
}

std::optional<QString> Decrypt(const QString& text, QString* errorText)
{
    return Cipher().Decrypt(text, errorText);
}
}
