#include "ribbon/RibbonMenus.h"

#include "ribbon/RibbonCommandIds.h"

using namespace RibbonCommandIds;

MenuTable RibbonMenus::StyleMenu()
{
    return {MenuItem::Popup(QStringLiteral("Style"),
                            {
                                MenuItem::Command(ID_THEME_OFFICE2007, QStringLiteral("Office 2007"), true),
                                MenuItem::Command(ID_THEME_2007_BLUE, QStringLiteral("Niebieski")),
                                MenuItem::Command(ID_THEME_2007_BLACK, QStringLiteral("Czarny")),
                                MenuItem::Command(ID_THEME_2007_SILVER, QStringLiteral("Srebrny")),
                                MenuItem::Command(ID_THEME_2007_AQUA, QStringLiteral("Aqua")),
                                MenuItem::Separator(),
                                MenuItem::Command(ID_THEME_OFFICE2010, QStringLiteral("Office 2010"), true),
                                MenuItem::Command(ID_THEME_2010_BLUE, QStringLiteral("Niebieski")),
                                MenuItem::Command(ID_THEME_2010_BLACK, QStringLiteral("Czarny")),
                                MenuItem::Command(ID_THEME_2010_SILVER, QStringLiteral("Srebrny")),
                            })};
}
