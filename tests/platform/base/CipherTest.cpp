#include "platform/base/Cipher.h"

#include "platform/base/AppPaths.h"
#include "platform/base/SimpleCrypt.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <thread>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace
{
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}
}

TEST(CipherTest, MissingKeyIsCreatedForTheUserOnlyAndTextsRoundTrip)
{
    TempHome home;
    const QString keyPath = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("cipher.key"));
    ASSERT_FALSE(QFile::exists(keyPath));

    const Cipher cipher;
    ASSERT_TRUE(cipher.IsReady()) << cipher.ErrorText().toStdString();
    EXPECT_EQ(cipher.KeyFilePath(), keyPath);
    struct stat info{};
    ASSERT_EQ(::stat(QFile::encodeName(keyPath).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QFileInfo(keyPath).size(), Cipher::kKeySize);

    for (const QString& plain : {QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ"), QString(), QStringLiteral("p@ss word\t\n")})
    {
        const auto encrypted = cipher.Encrypt(plain);
        ASSERT_TRUE(encrypted);
        EXPECT_FALSE(encrypted->isEmpty());
        EXPECT_FALSE(encrypted->contains(plain.isEmpty() ? QStringLiteral("\x01") : plain));
        EXPECT_EQ(Cipher().Decrypt(*encrypted), plain);  // a later run reads the same key
        EXPECT_EQ(SimpleCrypt::Decrypt(*encrypted), plain);
    }
    EXPECT_NE(cipher.Encrypt(QStringLiteral("a")), cipher.Encrypt(QStringLiteral("a")));  // fresh nonce each time
    EXPECT_EQ(cipher.Decrypt(QString()), QString());
}

TEST(CipherTest, AlteredTextsAndOtherKeysFailInsteadOfGivingGarbage)
{
    QTemporaryDir dir;
    const Cipher cipher(dir.filePath(QStringLiteral("a.key")));
    const Cipher other(dir.filePath(QStringLiteral("b.key")));
    const QString encrypted = *cipher.Encrypt(QStringLiteral("tajne hasło"));

    QString error;
    EXPECT_FALSE(other.Decrypt(encrypted, &error));
    EXPECT_FALSE(error.isEmpty());

    const QByteArray raw = QByteArray::fromBase64(encrypted.toLatin1());
    for (int i = 0; i < raw.size(); ++i)
    {
        QByteArray altered = raw;
        altered[i] = char(altered[i] ^ 0x01);
        EXPECT_FALSE(cipher.Decrypt(QString::fromLatin1(altered.toBase64()))) << "byte " << i;
    }
    for (const QString& bad : {QStringLiteral("to nie jest base64!"), QStringLiteral("AAAA"), encrypted.left(encrypted.size() - 4),
                               QString::fromLatin1(raw.left(20).toBase64()), QStringLiteral("ąęść")})
        EXPECT_FALSE(cipher.Decrypt(bad)) << bad.toStdString();
}

TEST(CipherTest, KeyFileOfWrongSizeIsAnErrorAndIsNeverReplaced)
{
    QTemporaryDir dir;
    const QString keyPath = dir.filePath(QStringLiteral("cipher.key"));
    WriteAll(keyPath, QByteArray(10, 'k'));

    const Cipher cipher(keyPath);
    EXPECT_FALSE(cipher.IsReady());
    EXPECT_TRUE(cipher.ErrorText().contains(keyPath));
    QString error;
    EXPECT_FALSE(cipher.Encrypt(QStringLiteral("x"), &error));
    EXPECT_EQ(error, cipher.ErrorText());
    EXPECT_FALSE(cipher.Decrypt(QStringLiteral("AQIDBA=="), &error));
    EXPECT_EQ(ReadAll(keyPath), QByteArray(10, 'k'));

    WriteAll(keyPath, QByteArray(Cipher::kKeySize + 1, 'k'));
    EXPECT_FALSE(Cipher(keyPath).IsReady());
}

TEST(CipherTest, KeyCreatedByManyAtOnceIsOneKey)
{
    QTemporaryDir dir;
    const QString keyPath = dir.filePath(QStringLiteral("sub/cipher.key"));
    std::vector<QString> texts(8);
    std::vector<std::thread> threads;
    for (QString& text : texts)
        threads.emplace_back([&keyPath, &text] { text = Cipher(keyPath).Encrypt(QStringLiteral("wspólny")).value_or(QString()); });
    for (std::thread& thread : threads)
        thread.join();

    const Cipher cipher(keyPath);
    for (const QString& text : texts)
        EXPECT_EQ(cipher.Decrypt(text), QStringLiteral("wspólny"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
