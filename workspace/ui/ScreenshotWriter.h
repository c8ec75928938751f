#pragma once
// Writes a window's picture as a PNG file into a folder, named by the moment; a second shot in
// the same second gets " (1)", a third " (2)"..., so no shot replaces another. Main thread only.

#include "platform/modules/NDateTime.h"

#include <QString>

class QWidget;

class ScreenshotWriter
{
public:
    // Tries this many names in one second before giving up.
    static constexpr int kMaxAttempts = 100;

    // The file written; empty, with the reason in errorText, when none could be.
    static QString Write(QWidget& window, const QString& folder, const NDateTime& moment, QString* errorText = nullptr);
};
