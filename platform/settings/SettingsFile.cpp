#include "platform/settings/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>

namespace SettingsFile
{
namespace
{
QString FromUtf16Le(const char* bytes, qsizetype size)
{
    const auto* units = reinterpret_cast<const char16_t*>(bytes);
    const qsizetype count = size / 2;
    const qsizetype length = std::find(units, units + count, char16_t(0)) - units;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        return QString(reinterpret_cast<const QChar*>(units), length);
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(qFromLittleEndian(units[i]));
    return text;
}

bool StartsWith(const QByteArray& bytes, const char* prefix, qsizetype size)
{
    return bytes.size() >= size && std::equal(prefix, prefix + size, bytes.constData());
}
}

ReadStatus ReadText(const QString& path, QString& text, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ReadStatus::Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
    {
        reason = info.isDir() ? QStringLiteral("to jest folder") : file.errorString();
        return ReadStatus::Unreadable;
    }
    if (file.size() > kMaxFileSize)
    {
        reason = QStringLiteral("plik jest za duży (%1 bajtów)").arg(file.size());
        return ReadStatus::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
    {
        reason = file.errorString();
        return ReadStatus::Unreadable;
    }
    return DecodeText(bytes, text, reason) ? ReadStatus::Ok : ReadStatus::Unreadable;
}

bool DecodeText(const QByteArray& bytes, QString& text, QString& reason)
{
    if (StartsWith(bytes, "\xFF\xFE", 2))
        text = FromUtf16Le(bytes.constData() + 2, bytes.size() - 2);
    else if (StartsWith(bytes, "<\0", 2))
        text = FromUtf16Le(bytes.constData(), bytes.size());
    else if (StartsWith(bytes, "\xEF\xBB\xBF", 3) || StartsWith(bytes, "<", 1))
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder.decode(bytes);
        if (decoder.hasError())
        {
            reason = QStringLiteral("błędny tekst UTF-8");
            return false;
        }
    }
    else
    {
        reason = bytes.isEmpty() ? QStringLiteral("plik jest pusty") : QStringLiteral("nieznane kodowanie tekstu");
        return false;
    }
    return true;
}

QByteArray ToUtf16Le(const QString& text)
{
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(bytes.data());
    for (const QChar c : text)
        *out++ = qToLittleEndian(c.unicode());
    return bytes;
}
}
