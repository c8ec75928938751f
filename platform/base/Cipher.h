#pragma once
// Enciphers the passwords the program stores in its settings (proxy, mail, cloud account), with
// AES-256-GCM under a random key of the user kept in a key file readable by the user only.
// The text form is Base64 of a format byte, the 12-byte nonce, the ciphertext and the 16-byte
// tag; a wrong key or an altered text fails to decipher instead of giving garbage.
//
// The key file is created on first use. An existing key file is never replaced: when it cannot
// be read or has the wrong size the cipher stays unusable and says why, because a new key
// would silently make every stored password unreadable. The user can restore the file, or
// delete it and enter the passwords again.
//
// A Cipher holds no state shared with others; one object may be used from several threads.

#include <QByteArray>
#include <QString>

#include <optional>

class Cipher
{
public:
    static constexpr const char* kKeyFileName = "cipher.key";
    static constexpr int kKeySize = 32;

    // The key file in the user's application-data folder.
    Cipher();
    // The key file at the given path (created there when missing).
    explicit Cipher(const QString& keyFilePath);
    ~Cipher();

    Cipher(const Cipher&) = delete;
    Cipher& operator=(const Cipher&) = delete;

    const QString& KeyFilePath() const { return m_keyFilePath; }
    // False when the key could be neither read nor created; ErrorText tells why.
    bool IsReady() const { return !m_key.isEmpty(); }
    const QString& ErrorText() const { return m_errorText; }

    // Nothing (with the reason in errorText when given) when the cipher is not ready.
    std::optional<QString> Encrypt(const QString& plain, QString* errorText = nullptr) const;
    // An empty text stands for no stored password and gives an empty text. Nothing when the
    // text is not a text of this cipher, was altered or was made with another key.
    std::optional<QString> Decrypt(const QString& text, QString* errorText = nullptr) const;

private:
    void LoadOrCreateKey();
    void ReadKey();

    QString m_keyFilePath;
    QByteArray m_key;
    QString m_errorText;
};
