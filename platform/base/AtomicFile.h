#pragma once
// The one way the program writes a file: to a temporary file beside the target, flushed,
// then renamed over it, so a crash never leaves a half-written file behind.

#include <QByteArray>
#include <QString>

namespace AtomicFile
{
// Writes the whole content; false (with the reason in errorText when given) leaves any old file intact.
bool Write(const QString& path, const QByteArray& content, QString* errorText = nullptr);
}
