#include "tests/support/toolkit/TestRibbon.h"

TestRibbon::TestRibbon()
{
    commandBars.SetCommandTarget(&target);
    ribbon = commandBars.AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
    ribbon->SetSite(&site);
    tab = ribbon->InsertTab(0, QStringLiteral("Karta"), 1);
    group = tab->AddGroup(QStringLiteral("Grupa"), 2);
    ribbon->SetCurrentTab(tab);
}

std::vector<int> TestRibbon::NotificationsOf(std::uint32_t id) const
{
    std::vector<int> codes;
    for (const RecordingCommandTarget::Notification& notification : target.notifications)
    {
        if (notification.id == id)
            codes.push_back(notification.code);
    }
    return codes;
}
