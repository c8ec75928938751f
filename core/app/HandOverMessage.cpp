#include "core/app/HandOverMessage.h"

#include <QtEndian>

namespace
{
constexpr qsizetype kLengthBytes = 4;

void AppendLength(QByteArray& bytes, qsizetype length)
{
    char buffer[kLengthBytes];
    qToBigEndian(static_cast<quint32>(length), buffer);
    bytes.append(buffer, kLengthBytes);
}

std::optional<qsizetype> LengthAt(const QByteArray& bytes, qsizetype offset)
{
    if (bytes.size() < offset + kLengthBytes)
        return std::nullopt;
    return static_cast<qsizetype>(qFromBigEndian<quint32>(bytes.constData() + offset));
}
}

QByteArray HandOverMessage::Encode(const QString& messageName, const QString& path)
{
    const QByteArray name = messageName.toUtf8();
    QByteArray bytes;
    AppendLength(bytes, name.size());
    bytes.append(name);
    AppendLength(bytes, path.size() * 2);
    for (const QChar character : path)
    {
        char unit[2];
        qToLittleEndian(character.unicode(), unit);
        bytes.append(unit, 2);
    }
    return bytes;
}

HandOverMessage::Status HandOverMessage::Check(const QByteArray& bytes)
{
    if (bytes.size() > kMaxBytes)
        return Status::Invalid;
    const std::optional<qsizetype> nameLength = LengthAt(bytes, 0);
    if (!nameLength)
        return Status::Incomplete;
    if (*nameLength > kMaxNameBytes)
        return Status::Invalid;
    const std::optional<qsizetype> pathLength = LengthAt(bytes, kLengthBytes + *nameLength);
    if (!pathLength)
        return Status::Incomplete;
    const qsizetype total = 2 * kLengthBytes + *nameLength + *pathLength;
    if (total > kMaxBytes || bytes.size() > total)
        return Status::Invalid;
    return bytes.size() == total ? Status::Complete : Status::Incomplete;
}

std::optional<HandOverMessage> HandOverMessage::Decode(const QByteArray& bytes)
{
    if (Check(bytes) != Status::Complete)
        return std::nullopt;
    const qsizetype nameLength = *LengthAt(bytes, 0);
    HandOverMessage message{QString::fromUtf8(bytes.mid(kLengthBytes, nameLength)), bytes.mid(2 * kLengthBytes + nameLength)};
    if (PathFromBytes(message.pathBytes).isEmpty())
        return std::nullopt;
    return message;
}

QString HandOverMessage::PathFromBytes(const QByteArray& pathBytes)
{
    if (pathBytes.isEmpty() || pathBytes.size() % 2 != 0)
        return {};
    QString path;
    path.reserve(pathBytes.size() / 2);
    for (qsizetype offset = 0; offset < pathBytes.size(); offset += 2)
    {
        const char16_t unit = qFromLittleEndian<char16_t>(pathBytes.constData() + offset);
        if (unit == 0)
            return {};
        path.append(QChar(unit));
    }
    return path;
}
