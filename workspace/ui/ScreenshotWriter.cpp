#include "workspace/ui/ScreenshotWriter.h"

#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "workspace/engine/ScreenshotFileName.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

QString ScreenshotWriter::Write(QWidget& window, const QString& folder, const NDateTime& moment, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return QString();
    };
    if (!AppPaths::EnsureFolder(folder))
        return fail(QStringLiteral("nie można utworzyć folderu \"%1\"").arg(folder));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().toImage().convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
        return fail(QStringLiteral("nie można zapisać obrazu jako PNG"));
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt)
    {
        const QString path = QDir(folder).filePath(ScreenshotFileName::Make(moment, attempt));
        QString reason;
        switch (AtomicFile::CreateNew(path, png, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther,
                                      &reason))
        {
        case AtomicFile::CreateResult::Created:
            return path;
        case AtomicFile::CreateResult::AlreadyExists:
            continue;
        case AtomicFile::CreateResult::Failed:
            return fail(reason);
        }
    }
    return fail(QStringLiteral("w folderze \"%1\" są już zrzuty ekranu z tej sekundy").arg(folder));
}
