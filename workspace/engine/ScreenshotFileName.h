#pragma once
// The file of a screenshot: the moment as "yyyy-MM-dd HH-mm-ss.png" (the time's colons become
// dashes, which file names cannot always hold), with " (n)" before ".png" for the n-th further
// shot in the same second.

#include "platform/modules/NDateTime.h"

#include <QString>

class ScreenshotFileName
{
public:
    static inline const QString kFolderName = QStringLiteral("Screenshots");
    static inline const QString kExtension = QStringLiteral(".png");

    // attempt 0 is the plain name, attempt n > 0 the name with " (n)".
    static QString Make(const NDateTime& moment, int attempt = 0);
};
