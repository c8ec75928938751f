#include "workspace/engine/DesktopScreenSelection.h"

#include "workspace/engine/DesktopFormat.h"
#include "workspace/engine/SafeFileName.h"

#include <algorithm>
#include <set>

std::vector<DesktopScreenSelection::Panel> DesktopScreenSelection::Select(
    const std::vector<IDesktopHost::Screen>& screens, QWidget* activeView, int screensLimit, Format format)
{
    std::vector<Panel> panels;
    if (screens.empty())
        return panels;
    if (screensLimit < 2)
    {
        const auto top = std::find_if(screens.begin(), screens.end(),
                                      [activeView](const IDesktopHost::Screen& screen) { return screen.view == activeView; });
        const IDesktopHost::Screen& screen = top != screens.end() ? *top : screens.front();
        const QString name = format == Format::Native ? DesktopFormat::kScreenName.arg(1) : DesktopFormat::kQ5ScreenName;
        panels.push_back({screen.view, name, screen.caption, screen.view == activeView, screen.versionInfo});
        return panels;
    }
    std::set<QString> used;
    for (const IDesktopHost::Screen& screen : screens)
        panels.push_back({screen.view, SafeFileName::UniqueStem(screen.caption, used), screen.caption,
                          screen.view == activeView, screen.versionInfo});
    return panels;
}
