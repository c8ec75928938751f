#include "workspace/engine/MainWndPosition.h"

#include "platform/base/AppPaths.h"
#include "platform/base/FileBackup.h"
#include "platform/base/Log.h"
#include "platform/settings/Settings.h"
#include "workspace/engine/DesktopFormat.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace
{
const QString kSavePlace = QStringLiteral("PulpitFrame::SaveWindowPosition");
const QString kLoadPlace = QStringLiteral("PulpitFrame::LoadWindowPosition");

QString ProductName()
{
    return QString::fromLatin1(AppPaths::kProductName);
}

bool IsPositionFile(const QString& path)
{
    Settings file;
    return file.LoadFromFile(path, DesktopFormat::kWindowPositionRoot);
}

std::int64_t OverlapArea(const Rect& a, const Rect& b)
{
    const std::int64_t width = std::int64_t(std::min(a.right, b.right)) - std::max(a.left, b.left);
    const std::int64_t height = std::int64_t(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

std::int64_t SquaredGap(const Rect& a, const Rect& b)
{
    const std::int64_t dx = std::max<std::int64_t>({0, std::int64_t(b.left) - a.right, std::int64_t(a.left) - b.right});
    const std::int64_t dy = std::max<std::int64_t>({0, std::int64_t(b.top) - a.bottom, std::int64_t(a.top) - b.bottom});
    return dx * dx + dy * dy;
}
}

void MainWndPosition::LoadWindowPosition(const QString& path, const std::vector<Rect>& workAreas)
{
    if (HasRect())
        return;
    m_maximized = true;
    Settings file;
    if (!file.LoadFromFile(path, DesktopFormat::kWindowPositionRoot))
    {
        if (QFileInfo::exists(path))
            Log::WriteWarning(QStringLiteral("Pominięto plik położenia okna %1: nie jest plikiem położenia okna "
                                             "albo jest uszkodzony; okno otwiera się zmaksymalizowane.")
                                  .arg(path),
                              ProductName(), kLoadPlace, __LINE__);
        return;
    }
    m_rect = file[DesktopFormat::kRect].ToRect();
    m_maximized = file[DesktopFormat::kMaximized].ToBool();
    if (HasRect())
        m_rect = FitToWorkAreas(m_rect, workAreas);
}

bool MainWndPosition::SaveWindowPosition(const QString& path, const Rect& normalRect, bool maximized)
{
    Log::WriteInfo(QStringLiteral("Zapisywanie stanu okna"), ProductName(), kSavePlace, __LINE__);
    if (!FileBackup::MayReplace(path, IsPositionFile, ProductName(), kSavePlace))
        return false;
    Settings file;
    file[DesktopFormat::kMaximized] = maximized;
    file[DesktopFormat::kRect] = normalRect;
    if (!file.SaveToFile(path, DesktopFormat::kWindowPositionRoot))
        return false;
    Log::WriteInfo(QStringLiteral("Zapisano stan okna"), ProductName(), kSavePlace, __LINE__);
    return true;
}

Rect MainWndPosition::FitToWorkAreas(const Rect& rect, const std::vector<Rect>& workAreas)
{
    const Rect* area = NearestWorkArea(rect, workAreas);
    if (!area || area->Contains(Point{rect.left, rect.top}) || area->Contains(Point{rect.right - 1, rect.top}))
        return rect;
    // A rectangle read from a file may span more than an int holds.
    const int width = static_cast<int>(std::min<std::int64_t>(std::int64_t(rect.right) - rect.left, area->Width()));
    const int height = static_cast<int>(std::min<std::int64_t>(std::int64_t(rect.bottom) - rect.top, area->Height()));
    const int left = std::clamp(rect.left, area->left, area->right - width);
    const int top = std::clamp(rect.top, area->top, area->bottom - height);
    return Rect{left, top, left + width, top + height};
}

const Rect* MainWndPosition::NearestWorkArea(const Rect& rect, const std::vector<Rect>& workAreas)
{
    // Like the system's choice of the nearest monitor: the one the rectangle covers most, else
    // the closest.
    const Rect* nearest = nullptr;
    std::int64_t bestOverlap = 0;
    std::int64_t bestGap = 0;
    for (const Rect& area : workAreas)
    {
        if (area.IsEmpty())
            continue;
        const std::int64_t overlap = OverlapArea(rect, area);
        const std::int64_t gap = SquaredGap(rect, area);
        if (!nearest || overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && gap < bestGap))
        {
            nearest = &area;
            bestOverlap = overlap;
            bestGap = gap;
        }
    }
    return nearest;
}
