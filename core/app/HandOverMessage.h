#pragma once
// What a second start sends to the running instance: the name of the hand-over message it
// means and the file path as UTF-16 bytes without a terminating zero. On the wire: the name's
// length and UTF-8 bytes, then the path's length and bytes, each length four bytes big-endian.
// Decoding refuses anything that is not exactly such a message of at most kMaxBytes: a path of
// an odd number of bytes, an empty one, or one that holds a zero character.

#include <QByteArray>
#include <QString>

#include <optional>

struct HandOverMessage
{
    static constexpr qsizetype kMaxBytes = 32 * 1024;
    static constexpr qsizetype kMaxNameBytes = 1024;

    QString messageName;
    QByteArray pathBytes;

    static QByteArray Encode(const QString& messageName, const QString& path);
    // Empty when the bytes are no valid message.
    static std::optional<HandOverMessage> Decode(const QByteArray& bytes);
    enum class Status
    {
        Incomplete,
        Complete,
        Invalid,
    };

    // Whether the bytes received so far are a whole message, the start of one, or neither.
    static Status Check(const QByteArray& bytes);
    // The path the bytes hold; empty when they hold none.
    static QString PathFromBytes(const QByteArray& pathBytes);
};
