#include "platform/base/Cipher.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CryptoLibrary.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <memory>

namespace
{
constexpr char kFormatVersion = 1;
constexpr int kNonceSize = 12;
constexpr int kTagSize = 16;

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(CryptoFunctions::cipher_ctx_free)>;

CipherContext NewContext(const CryptoFunctions& crypto)
{
    return CipherContext(crypto.cipher_ctx_new(), crypto.cipher_ctx_free);
}

// Key and plain text bytes are wiped before their memory is given back.
void Cleanse(QByteArray& bytes)
{
    if (!bytes.isEmpty())
        ::explicit_bzero(bytes.data(), std::size_t(bytes.size()));
}

const unsigned char* Bytes(const QByteArray& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

unsigned char* Bytes(QByteArray& bytes)
{
    return reinterpret_cast<unsigned char*>(bytes.data());
}

std::nullopt_t Fail(QString* errorText, const QString& reason)
{
    if (errorText)
        *errorText = reason;
    return std::nullopt;
}

QString CorruptText()
{
    return QStringLiteral("Zaszyfrowany tekst jest uszkodzony albo zaszyfrowano go innym kluczem.");
}
}

Cipher::Cipher()
    : Cipher(QDir(AppPaths::AppDataFolder()).filePath(QString::fromLatin1(kKeyFileName)))
{
}

Cipher::Cipher(const QString& keyFilePath)
    : m_keyFilePath(keyFilePath)
{
    LoadOrCreateKey();
}

Cipher::~Cipher()
{
    Cleanse(m_key);
}

void Cipher::LoadOrCreateKey()
{
    if (QFile::exists(m_keyFilePath))
    {
        ReadKey();
        return;
    }

    const CryptoFunctions* crypto = CryptoLibrary::Functions(&m_errorText);
    if (!crypto)
        return;
    QByteArray key(kKeySize, '\0');
    if (crypto->rand_bytes(Bytes(key), kKeySize) != 1)
    {
        m_errorText = QStringLiteral("Nie można wylosować klucza szyfrowania.");
        return;
    }
    QString reason;
    switch (AtomicFile::CreateNew(m_keyFilePath, key, QFileDevice::ReadOwner | QFileDevice::WriteOwner, &reason))
    {
    case AtomicFile::CreateResult::Created:
        m_key = key;
        break;
    case AtomicFile::CreateResult::AlreadyExists:
        // Someone else created the key at the same moment: theirs is the key.
        ReadKey();
        break;
    case AtomicFile::CreateResult::Failed:
        m_errorText = QStringLiteral("Nie można utworzyć pliku klucza %1: %2").arg(m_keyFilePath, reason);
        break;
    }
    Cleanse(key);
}

void Cipher::ReadKey()
{
    QFile file(m_keyFilePath);
    if (!file.open(QIODevice::ReadOnly))
    {
        m_errorText = QStringLiteral("Nie można odczytać pliku klucza %1: %2").arg(m_keyFilePath, file.errorString());
        return;
    }
    QByteArray key = file.read(kKeySize + 1);
    if (key.size() != kKeySize)
    {
        m_errorText = QStringLiteral("Plik klucza %1 ma nieprawidłowy rozmiar: zapisanych haseł nie da się odczytać. "
                                     "Przywróć ten plik albo go usuń i wpisz hasła ponownie.")
                          .arg(m_keyFilePath);
        Cleanse(key);
        return;
    }
    m_key = key;
    Cleanse(key);
}

std::optional<QString> Cipher::Encrypt(const QString& plain, QString* errorText) const
{
    if (!IsReady())
        return Fail(errorText, m_errorText);
    QString reason;
    const CryptoFunctions* crypto = CryptoLibrary::Functions(&reason);
    if (!crypto)
        return Fail(errorText, reason);

    const QByteArray plainBytes = plain.toUtf8();
    const QByteArray header(1, kFormatVersion);
    QByteArray nonce(kNonceSize, '\0');
    QByteArray encrypted(plainBytes.size() + EVP_MAX_BLOCK_LENGTH, '\0');
    QByteArray tag(kTagSize, '\0');
    int length = 0;
    int finalLength = 0;

    const CipherContext context = NewContext(*crypto);
    const bool ok = context && crypto->rand_bytes(Bytes(nonce), kNonceSize) == 1
        && crypto->encrypt_init_ex(context.get(), crypto->aes_256_gcm(), nullptr, nullptr, nullptr) == 1
        && crypto->cipher_ctx_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) == 1
        && crypto->encrypt_init_ex(context.get(), nullptr, nullptr, Bytes(m_key), Bytes(nonce)) == 1
        && crypto->encrypt_update(context.get(), nullptr, &length, Bytes(header), int(header.size())) == 1
        && crypto->encrypt_update(context.get(), Bytes(encrypted), &length, Bytes(plainBytes), int(plainBytes.size())) == 1
        && crypto->encrypt_final_ex(context.get(), Bytes(encrypted) + length, &finalLength) == 1
        && crypto->cipher_ctx_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, kTagSize, Bytes(tag)) == 1;
    if (!ok)
        return Fail(errorText, QStringLiteral("Szyfrowanie nie powiodło się."));
    encrypted.resize(length + finalLength);
    return QString::fromLatin1((header + nonce + encrypted + tag).toBase64());
}

std::optional<QString> Cipher::Decrypt(const QString& text, QString* errorText) const
{
    if (text.isEmpty())
        return QString();
    if (!IsReady())
        return Fail(errorText, m_errorText);
    QString reason;
    const CryptoFunctions* crypto = CryptoLibrary::Functions(&reason);
    if (!crypto)
        return Fail(errorText, reason);

    const auto decoded = QByteArray::fromBase64Encoding(text.trimmed().toLatin1(),
                                                        QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < 1 + kNonceSize + kTagSize || decoded.decoded[0] != kFormatVersion)
        return Fail(errorText, CorruptText());

    const QByteArray& data = decoded.decoded;
    const QByteArray header = data.left(1);
    const QByteArray nonce = data.mid(1, kNonceSize);
    const QByteArray encrypted = data.mid(1 + kNonceSize, data.size() - 1 - kNonceSize - kTagSize);
    QByteArray tag = data.right(kTagSize);
    QByteArray plain(encrypted.size() + EVP_MAX_BLOCK_LENGTH, '\0');
    int length = 0;
    int finalLength = 0;

    const CipherContext context = NewContext(*crypto);
    const bool ok = context && crypto->decrypt_init_ex(context.get(), crypto->aes_256_gcm(), nullptr, nullptr, nullptr) == 1
        && crypto->cipher_ctx_ctrl(context.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) == 1
        && crypto->decrypt_init_ex(context.get(), nullptr, nullptr, Bytes(m_key), Bytes(nonce)) == 1
        && crypto->decrypt_update(context.get(), nullptr, &length, Bytes(header), int(header.size())) == 1
        && crypto->decrypt_update(context.get(), Bytes(plain), &length, Bytes(encrypted), int(encrypted.size())) == 1
        && crypto->cipher_ctx_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, kTagSize, Bytes(tag)) == 1
        && crypto->decrypt_final_ex(context.get(), Bytes(plain) + length, &finalLength) == 1;
    if (!ok)
    {
        Cleanse(plain);
        return Fail(errorText, CorruptText());
    }
    plain.resize(length + finalLength);
    const QString result = QString::fromUtf8(plain);
    Cleanse(plain);
    return result;
}
