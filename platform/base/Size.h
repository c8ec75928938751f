#pragma once
// A width and a height (cx, cy) as the settings and the window code keep them.

#include <QSize>
#include <QString>

#include <optional>

struct Size
{
    int cx = 0;
    int cy = 0;

    QSize ToQSize() const { return QSize(cx, cy); }
    static Size FromQSize(const QSize& size) { return Size{size.width(), size.height()}; }

    // Text form "cx,cy" used by the settings files.
    QString ToString() const;
    static std::optional<Size> FromString(const QString& text);

    friend bool operator==(const Size&, const Size&) = default;
};
