#include "workspace/ui/MainWindowPlacement.h"

#include "platform/base/AppPaths.h"
#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/MainWndPosition.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace
{
QString PositionPath()
{
    return QDir(AppPaths::AppDataFolder()).filePath(DesktopFormat::kWindowPositionFileName);
}

std::vector<Rect> WorkAreas()
{
    std::vector<Rect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.push_back(Rect::FromQRect(screen->availableGeometry()));
    return areas;
}
}

void MainWindowPlacement::Restore(QWidget& window, const QSize& defaultSize)
{
    MainWndPosition position;
    position.LoadWindowPosition(PositionPath(), WorkAreas());
    if (position.HasRect())
        window.setGeometry(position.GetRect().ToQRect());
    else
        window.resize(defaultSize);
    if (position.IsMaximized())
        window.showMaximized();
    else
        window.show();
}

bool MainWindowPlacement::Save(const QWidget& window)
{
    return MainWndPosition::SaveWindowPosition(PositionPath(), Rect::FromQRect(window.normalGeometry()),
                                               window.isMaximized());
}
