#include "platform/base/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile
{
bool Write(const QString& path, const QByteArray& content, QString* errorText)
{
    auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Nie można utworzyć folderu %1").arg(info.absolutePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(content) != content.size())
    {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
}
