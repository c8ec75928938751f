#include "ribbon/themes/RibbonThemeCommands.h"

#include "ribbon/RibbonCommandIds.h"
#include "ribbon/themes/RibbonThemes.h"

using namespace RibbonCommandIds;

static_assert(ID_THEME_2010_SILVER - ID_THEME_2007_BLUE + 1 == kRibbonThemeCount);

RibbonThemeCommands::RibbonThemeCommands()
{
    OnRange(ID_THEME_2007_BLUE, ID_THEME_2010_SILVER, [this](std::uint32_t id) { OnApplicationTheme(id); });
    OnUpdateRange(ID_THEME_2007_BLUE, ID_THEME_2010_SILVER, [this](CmdUI& cmdUI) { OnUpdateApplicationTheme(cmdUI); });
}

int RibbonThemeCommands::ThemeIndexOf(std::uint32_t id)
{
    if (id < ID_THEME_2007_BLUE || id > ID_THEME_2010_SILVER)
        return -1;
    return static_cast<int>(id - ID_THEME_2007_BLUE);
}

void RibbonThemeCommands::OnApplicationTheme(std::uint32_t id)
{
    ApplyRibbonTheme(ThemeIndexOf(id));
}

void RibbonThemeCommands::OnUpdateApplicationTheme(CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    cmdUI.SetCheck(ThemeIndexOf(cmdUI.Id()) == GetCurrentRibbonThemeIndex() ? 1 : 0);
}
