#pragma once
// The one way the program writes a file: to a temporary file beside the target, flushed,
// then renamed over it, so a crash never leaves a half-written file behind.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace AtomicFile
{
// Writes the whole content; false leaves any old file intact, with the reason in errorText for
// the caller to report, or, when the caller does not ask for it, in the log as an error.
bool Write(const QString& path, const QByteArray& content, QString* errorText = nullptr);

enum class CreateResult
{
    Created,
    AlreadyExists,
    Failed,
};

// Creates a file that must not exist yet, whole and with its permissions from the first moment,
// or not at all. A file that exists or appears meanwhile (another thread or process creating
// the same file) is never replaced: the result is AlreadyExists.
CreateResult CreateNew(const QString& path, const QByteArray& content, QFileDevice::Permissions permissions,
                       QString* errorText = nullptr);
}
